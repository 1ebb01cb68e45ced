#pragma once
// The game on the scripted console: typed input in, the transcript out ("[clear]", "[key]").

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "character/record.h"
#include "console/scripted.h"

namespace emberfell::testing {

class Session {
  public:
    explicit Session(std::string typed = "");
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Run a piece of the game: what it printed since the last run (a program end is caught).
    template <class Play>
    std::string run(Play&& play) {
        try {
            play();
        } catch (const ProgramEnd& e) {
            endstatus = e.status;
            programended = true;
        }
        return con.take();
    }
    bool ended() const { return programended; }
    int status() const { return endstatus; }

    ScriptedConsole con;

  private:
    bool programended = false;
    int endstatus = -1;
};

// One visit to a place of the game (a shop, the inn, a fight) with these
// typed lines and these rolls of the dice.
template <class Place>
std::string visit(Place place, vars& v, const std::string& typed,
                  std::initializer_list<int> rolls = {}) {
    Session s(typed);
    s.con.rolls(rolls);
    return s.run([&] { place(v); });
}

// The screens of a transcript: the text after each clear.
std::vector<std::string> screens(const std::string& transcript);

// A fingerprint of a text the game must keep to the byte where it is too long
// to copy into a test (a table, a long screen): a test compares it with the
// fingerprint of the text as it was, and prints the text when it differs.
std::uint64_t fingerprint(std::string_view text);

// The title line and the empty line under it, as every screen begins.
inline const std::string titleline = "[clear]                             Emberfell\n\n";

}  // namespace emberfell::testing
