#include "support/session.h"

#include <fstream>
#include <iterator>
#include <random>

#include "console/console.h"

namespace emberfell::testing {

Session::Session(std::string typed) : con(std::move(typed)) {
    setconsole(con);
}

Session::~Session() {
    resetconsole();
}

std::vector<std::string> screens(const std::string& transcript) {
    std::vector<std::string> found;
    const std::string_view mark = ScriptedConsole::clearmark;
    for (auto at = transcript.find(mark); at != std::string::npos; at = transcript.find(mark, at)) {
        at += mark.size();
        found.push_back(transcript.substr(at, transcript.find(mark, at) - at));  // npos: to the end
    }
    return found;
}

// A random name that no directory has yet (there is no mkdtemp everywhere).
TempDir::TempDir() : previous(std::filesystem::current_path()) {
    std::random_device random;
    do dir = std::filesystem::temp_directory_path() / ("emberfell-" + std::to_string(random()));
    while (!std::filesystem::create_directory(dir));
    std::filesystem::current_path(dir);
}

TempDir::~TempDir() {
    std::filesystem::current_path(previous);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

std::string readfile(const std::filesystem::path& p) {
    std::ifstream file(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

void writefile(const std::filesystem::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

}  // namespace emberfell::testing
