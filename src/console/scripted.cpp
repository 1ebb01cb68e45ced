#include "console/scripted.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace emberfell {

ScriptedConsole::ScriptedConsole(std::string typed) : typedin(std::move(typed)) {}

void ScriptedConsole::type(std::string_view text) {
    // Appending keeps the read position; a stream that had hit the end is
    // made readable again.
    typedin.clear();
    auto pos = typedin.tellg();
    typedin.seekp(0, std::ios::end);
    typedin << text;
    typedin.seekg(pos);
}

std::string ScriptedConsole::take() {
    std::string s = captured.str();
    captured.str("");
    return s;
}

void ScriptedConsole::rolls(std::initializer_list<int> wanted) {
    for (int r : wanted) times.push_back(timefor(r));
}

void ScriptedConsole::roll(int wanted, int count) {
    for (int i = 0; i < count; ++i) times.push_back(timefor(wanted));
}

std::time_t ScriptedConsole::timefor(int roll) {
    static std::time_t found[4] = {-1, -1, -1, -1};
    if (roll < 1 || roll > 3) std::abort();
    if (found[roll] < 0) {
        for (std::time_t t = 0;; ++t) {
            std::srand(static_cast<unsigned>(t));
            if (std::rand() % 3 + 1 == roll) {
                found[roll] = t;
                break;
            }
        }
    }
    return found[roll];
}

void ScriptedConsole::clear() {
    captured << clearmark;
}

void ScriptedConsole::waitkey() {
    ++keywaits;
    captured << keymark;
}

void ScriptedConsole::makedir(const std::string& path) {
    std::error_code ignored;
    std::filesystem::create_directory(path, ignored);
}

Written ScriptedConsole::writewhole(const std::string& path, const std::string& text) {
    if (onwrite) return onwrite(path, text);
    return writewholeportably(path, text);
}

std::time_t ScriptedConsole::now() {
    if (times.empty()) return standing;
    std::time_t t = times.front();
    times.pop_front();
    return t;
}

void ScriptedConsole::end(int status) {
    throw ProgramEnd{status};
}

}  // namespace emberfell
