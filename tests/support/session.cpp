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

}  // namespace emberfell::testing
