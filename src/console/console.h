#pragma once
// The game's one seam to the platform. Everything the game does to the
// screen, the keyboard, the file system, the clock and the end of the program
// goes through the console that is current; the game itself never knows
// whether it is a terminal, the Windows console or the scripted console of
// the tests.

#include <ctime>
#include <iosfwd>
#include <string>
#include <string_view>

namespace emberfell {

// How writing a whole file came out.
enum class Written {
    unopened,   // the file cannot be opened for writing: nothing was changed
    unwritten,  // the writing failed (a full disk, say): the file is as it was
    whole,      // the file holds the text, whole
};

// The scenes of the game, for the views that listen: the page names the
// scene it shows, and a fight tells each turn by what changed.
enum class scene {
    title,
    startmenu,
    mainmenu,
    monsterlist,
    fight,
    blacksmith,
    magicshop,
    inn,
    questboard,
    quest,
    sheet,
    theend,
};

class Console {
  public:
    virtual ~Console() = default;
    virtual std::istream& in() = 0;
    virtual std::ostream& out() = 0;
    // Where the game says what was wrong with how it was started.
    virtual std::ostream& err();
    // Empty the screen and put the cursor at its top left.
    virtual void clear() = 0;
    // Wait for one key press, read straight from the keyboard without echo
    // and without Enter; typed lines waiting for in() are left alone.
    virtual void waitkey() = 0;
    // Create a directory; a failure (it exists already, say) is ignored.
    virtual void makedir(const std::string& path) = 0;
    // Whether the file system takes `name` as the name of one file in a
    // directory. Here: any name but "", "." and "..", without '/' or NUL.
    virtual bool takesname(const std::string& name);
    // Put `text` in the file `path` as a text file (the platform's line
    // ends), whole: in place of the file there only once it is written, so
    // that the file holds the old text or the new one, never part of one.
    // A file that cannot be opened for writing (write-protected, a
    // directory) is left alone.
    virtual Written writewhole(const std::string& path, const std::string& text) = 0;
    // The calendar time in whole seconds, the seed of every roll.
    virtual std::time_t now() = 0;
    // End the program with this exit status.
    [[noreturn]] virtual void end(int status) = 0;

    // What the game is printing, told beside out() for the views that
    // listen (a screen reader's, a braille display's) instead of looking.
    // The screen prints the drawing and the heading as they are and takes
    // no note of the rest.
    // A drawing (a frame, block letters) and the words it stands for.
    virtual void drawing(std::string_view drawn, std::string_view words);
    // The screen's heading line, the game's name.
    virtual void heading(std::string_view line);
    // A scene begins, or goes on (a menu shown again, a fight's next turn).
    virtual void enter(scene s);
    // The answer just read chose nothing, and the same menu follows.
    virtual void invalid();
};

// writewhole with the standard library alone: for consoles whose file system
// has no other game writing into it at the same time.
Written writewholeportably(const std::string& path, const std::string& text);

// The console in use; the game's main makes the platform's own current,
// tests make a scripted one current.
Console& console();
void setconsole(Console& c);
// Back to the platform's console.
void resetconsole();

// Shorthands for the current console's operations.
std::istream& in();
std::ostream& out();
std::ostream& err();
void clear();
void waitkey();
void makedir(const std::string& path);
bool takesname(const std::string& name);
Written writewhole(const std::string& path, const std::string& text);
std::time_t now();
[[noreturn]] void end(int status);
void drawing(std::string_view drawn, std::string_view words);
void heading(std::string_view line);
void enter(scene s);
void invalid();

// The platform's console (POSIX terminal or Windows console).
Console& platformconsole();

}  // namespace emberfell
