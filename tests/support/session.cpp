#include "support/session.h"

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

std::uint64_t fingerprint(std::string_view text) {
    std::uint64_t hash = 0xcbf29ce484222325u;  // 64-bit FNV-1a
    for (const unsigned char c : text) hash = (hash ^ c) * 0x100000001b3u;
    return hash;
}

}  // namespace emberfell::testing
