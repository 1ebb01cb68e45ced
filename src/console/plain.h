#pragma once
// The game's words alone (--plain) on another console, for a screen reader
// or a braille display: that console's typed lines, key waits, files and
// clock, and on its screen the words (words.h) in place of the screens,
// never cleared.

#include <istream>
#include <sstream>
#include <streambuf>
#include <string>

#include "console/console.h"
#include "console/words.h"

namespace emberfell {

class PlainConsole final : public Console {
  public:
    explicit PlainConsole(Console& screen);
    ~PlainConsole() override;
    PlainConsole(const PlainConsole&) = delete;
    PlainConsole& operator=(const PlainConsole&) = delete;

    std::istream& in() override { return typed; }
    std::ostream& out() override { return printed; }
    std::ostream& err() override { return screen.err(); }
    void clear() override;
    void waitkey() override;
    void makedir(const std::string& path) override { screen.makedir(path); }
    bool takesname(const std::string& name) override { return screen.takesname(name); }
    Written writewhole(const std::string& path, const std::string& text) override {
        return screen.writewhole(path, text);
    }
    std::time_t now() override { return screen.now(); }
    [[noreturn]] void end(int status) override;
    void drawing(std::string_view drawn, std::string_view words) override;
    void heading(std::string_view line) override;
    void enter(scene s) override;
    void invalid() override;

  private:
    // The typed lines of the other console, one at a time: before each is
    // read, the wait for it is said.
    class Lines final : public std::streambuf {
      public:
        explicit Lines(PlainConsole& plain) : plain(plain) {}

      protected:
        int_type underflow() override;

      private:
        PlainConsole& plain;
        std::string line;
    };

    // What the game printed, into the words; the words said, onto the screen.
    void pass();

    Console& screen;
    Words words;
    std::ostringstream printed;
    Lines lines{*this};
    std::istream typed{&lines};
};

}  // namespace emberfell
