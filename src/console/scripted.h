#pragma once
// The scripted console: typed input given in advance, every key wait and
// every clear marked in the captured output, a clock that the caller sets
// (so every roll of the dice can be chosen), and an end of the program that
// the caller catches as a ProgramEnd.

#include <ctime>
#include <deque>
#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>

#include "console/console.h"

namespace emberfell {

// Thrown by the scripted console's end(); the game itself never catches it.
struct ProgramEnd {
    int status;
};

class ScriptedConsole final : public Console {
  public:
    // The marks written into the output where the game clears the screen and
    // where it waits for a key.
    static constexpr std::string_view clearmark = "[clear]";
    static constexpr std::string_view keymark = "[key]";

    explicit ScriptedConsole(std::string typed = "");

    // More typed input, read after what was typed before.
    void type(std::string_view text);
    // Everything the game printed, with the marks.
    std::string output() const { return captured.str(); }
    // The output so far, which is then forgotten.
    std::string take();
    // How many keys the game has waited for.
    int keys() const { return keywaits; }

    // The clock: each draw of the dice reads it once. Times queued here come
    // first, one per reading; after them the clock stands at `settime`.
    void settime(std::time_t t) { standing = t; }
    // Queue the times that make the next draws come out as these rolls (1..3).
    void rolls(std::initializer_list<int> wanted);
    void roll(int wanted, int count = 1);
    // A time whose draw gives this roll.
    static std::time_t timefor(int roll);

    // A test can make the writing of a file come out otherwise, as a full
    // disk or a crash would leave it.
    std::function<Written(const std::string&, const std::string&)> onwrite;

    std::istream& in() override { return typedin; }
    std::ostream& out() override { return captured; }
    std::ostream& err() override { return captured; }
    void clear() override;
    void waitkey() override;
    void makedir(const std::string& path) override;
    Written writewhole(const std::string& path, const std::string& text) override;
    std::time_t now() override;
    [[noreturn]] void end(int status) override;

  private:
    std::stringstream typedin;
    std::ostringstream captured;
    std::deque<std::time_t> times;
    std::time_t standing = 0;
    int keywaits = 0;
};

}  // namespace emberfell
