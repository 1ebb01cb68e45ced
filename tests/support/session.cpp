#include "support/session.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <sstream>

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
    const std::string mark(ScriptedConsole::clearmark);
    std::size_t at = transcript.find(mark);
    while (at != std::string::npos) {
        std::size_t next = transcript.find(mark, at + mark.size());
        found.push_back(transcript.substr(at + mark.size(), next == std::string::npos
                                                                ? std::string::npos
                                                                : next - at - mark.size()));
        at = next;
    }
    return found;
}

TempDir::TempDir() : previous(std::filesystem::current_path()) {
#ifdef _WIN32
    // No mkdtemp on Windows: a random name that no directory has yet.
    std::random_device random;
    do dir = std::filesystem::temp_directory_path() / ("emberfell-" + std::to_string(random()));
    while (!std::filesystem::create_directory(dir));
#else
    std::string pattern = (std::filesystem::temp_directory_path() / "emberfell-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    dir = pattern;
#endif
    std::filesystem::current_path(dir);
}

TempDir::~TempDir() {
    std::filesystem::current_path(previous);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

std::string readfile(const std::filesystem::path& p) {
    std::ifstream file(p, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void writefile(const std::filesystem::path& p, const std::string& text) {
    std::ofstream file(p, std::ios::binary | std::ios::trunc);
    file << text;
}

}  // namespace emberfell::testing
