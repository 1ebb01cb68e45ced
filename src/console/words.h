#pragma once
// The game's words for listening: what a screen reader or a braille display
// is given in place of the screens, both by --plain and by the web page's
// transcript. The game's output goes in as it is printed, with the
// console's marks beside it (a new screen, a wait, a drawing's words, the
// heading, the scene, an answer that chose nothing); out come lines of
// words alone: no frames, block letters or rules of repeated symbols, no
// centring or padding blanks, no runs of blank lines, the game's name said
// once, every key wait said, and each turn of a fight told by what changed
// since the turn before.

#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"

namespace emberfell {

// What the game waits for: one key, or a typed line.
enum class awaited { key, line };

class Words {
  public:
    // The game's output, as printed.
    void write(std::string_view text);
    // The words a drawing stands for, in its place.
    void drawing(std::string_view words);
    // The screen's heading: said the first time only.
    void heading(std::string_view line);
    // A scene begins or goes on; true when it is another scene than before.
    bool enter(scene s);
    // The screen is cleared: a new one begins.
    void newscreen();
    // The answer chose nothing: said so.
    void invalid();
    // The game is about to wait: what it printed is said whole, a key wait
    // with its line and a typed line's prompt as it stands (the player's
    // answer ends its line). Gives what the wait asks, in words: the key
    // wait's line, the prompt's question, or at a bare "?" the choices of
    // the screen (else the line before).
    std::string wait(awaited what);
    // The words said since the last take.
    std::string take();

  private:
    void line(std::string_view printed);
    void say(std::string_view words);
    void endline();
    std::string prompt();
    std::string question(const std::string& asked) const;

    std::string ready;     // said, not yet taken
    std::string open;      // the game's line printed so far
    bool started = false;  // something has been said
    bool blank = false;    // a blank line is due before the next words
    bool named = false;    // the heading has been said
    std::string lastasks;  // what the last wait asked
    // The screen's choice lines since the last wait, and its last line.
    std::vector<std::string> choices;
    std::string lastline;
    // The scene, and the turns of a scene told by what changed: the lines
    // before the first wait of this turn's screen and of the turn before.
    int current = -1;
    bool turnnext = false;  // the next screen begins a turn
    bool inturn = false;    // this screen's first wait is still to come
    std::vector<std::string> thisturn, lastturn, unseen;
};

// A scene's name in plain words ("main menu").
std::string_view scenename(scene s);

}  // namespace emberfell
