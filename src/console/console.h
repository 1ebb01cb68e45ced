#pragma once
// The game's one seam to the platform. Everything the game does to the
// screen, the keyboard, the file system's directories, the clock and the
// end of the program goes through the console that is current; the game
// itself never knows whether it is a terminal, the Windows console or the
// scripted console of the tests.

#include <ctime>
#include <iosfwd>
#include <string>

namespace emberfell {

class Console {
public:
    virtual ~Console() = default;
    virtual std::istream& in() = 0;
    virtual std::ostream& out() = 0;
    // Empty the screen and put the cursor at its top left.
    virtual void clear() = 0;
    // Wait for one key press, read straight from the keyboard without echo
    // and without Enter; typed lines waiting for in() are left alone.
    virtual void waitkey() = 0;
    // Create a directory; a failure (it exists already, say) is ignored.
    virtual void makedir(const std::string& path) = 0;
    // Put the finished file `from` in the place of `to`, replacing it whole.
    virtual bool replacefile(const std::string& from, const std::string& to) = 0;
    // The calendar time in whole seconds, the seed of every roll.
    virtual std::time_t now() = 0;
    // End the program with this exit status.
    [[noreturn]] virtual void end(int status) = 0;
};

// The console in use; the game's main makes the platform's own current,
// tests make a scripted one current.
Console& console();
void setconsole(Console& c);
// Back to the platform's console.
void resetconsole();

// Shorthands for the current console's operations.
std::istream& in();
std::ostream& out();
void clear();
void waitkey();
void makedir(const std::string& path);
bool replacefile(const std::string& from, const std::string& to);
std::time_t now();
[[noreturn]] void end(int status);

// The platform's console (POSIX terminal or Windows console).
Console& platformconsole();

}  // namespace emberfell
