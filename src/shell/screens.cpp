#include "shell/screens.h"

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

#include "character/title.h"
#include "console/console.h"
#include "console/frame.h"
#include "shell/version.h"

namespace emberfell {

namespace {

// EMBERFELL in block capitals, each letter drawn with its own capital, every
// line 60 characters wide with its blanks.
constexpr const char* banner[] = {
    "                EEEEEEEE MM    MM BBBBBBB  EEEEEEEE RRRRRRR \n",
    "                EE       MMM  MMM BB    BB EE       RR    RR\n",
    "                EE       MMMMMMMM BB    BB EE       RR    RR\n",
    "                EEEEEE   MM MM MM BBBBBBB  EEEEEE   RRRRRRR \n",
    "                EE       MM    MM BB    BB EE       RR  RR  \n",
    "                EE       MM    MM BB    BB EE       RR   RR \n",
    "                EE       MM    MM BB    BB EE       RR    RR\n",
    "                EEEEEEEE MM    MM BBBBBBB  EEEEEEEE RR    RR\n",
    "                                                            \n",
    "                FFFFFFFF EEEEEEEE LL       LL               \n",
    "                FF       EE       LL       LL               \n",
    "                FF       EE       LL       LL               \n",
    "                FFFFFF   EEEEEE   LL       LL               \n",
    "                FF       EE       LL       LL               \n",
    "                FF       EE       LL       LL               \n",
    "                FF       EE       LL       LL               \n",
    "                FF       EEEEEEEE LLLLLLLL LLLLLLLL         \n",
    "                                                            \n",
};

std::string across(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += frame::across;
    return s;
}

// A framed box 13 characters wide inside, set in by `indent` blanks, its
// last line without a line end.
std::string framed(int indent, std::initializer_list<std::string_view> lines13) {
    const std::string in(static_cast<std::size_t>(indent), ' ');
    std::string drawn = in + frame::topleft + across(13) + frame::topright + "\n";
    for (std::string_view text : lines13) {
        drawn += in + frame::down + std::string(text) + frame::down + "\n";
    }
    return drawn + in + frame::bottomleft + across(13) + frame::bottomright;
}

// The box, said as the words of its lines.
void box(int indent, std::initializer_list<std::string_view> lines13) {
    std::string words;
    for (std::string_view text : lines13) words += std::string(text) + "\n";
    words.pop_back();
    drawing(framed(indent, lines13), words);
}

}  // namespace

void titlescreen() {
    enter(scene::title);
    clear();
    std::string drawn = "\n";
    for (const char* line : banner) drawn += line;
    drawn += framed(24, {" Press Enter "}) + "\n\n Version: " + version + "\n";
    drawing(drawn, "Emberfell, version " + std::string(version) + ". Press Enter.\n");
    waitkey();
}

void story() {
    title();
    out() << "\tYou are the little-known youngest son of a little-known noble family.\n"
             "You are a knight, known to the few people that recognize your existence, as\n"
             "Sir Gathulas. Since nobody seems to care about or respect your current status,\n"
             "you have set out to beat up monsters and earn a name for yourself. Your primary\n"
             "goal, however, is to defeat the King of Dragons, who has been wrecking havoc in\n"
             "your resident kingdom. The best we can say is good luck and hope you return.\n"
             "But, if you don't return, no one will notice or care...\n";
    waitkey();
}

void instruction() {
    title();
    out() << "Main Menu: Monsters   - fight monsters\n"
             "           Quest      - complete quests\n"
             "           Blacksmith - buy weapons and armor\n"
             "           Magic Shop - buy magic spells\n"
             "           Inn        - sleep (at a small cost of gold)\n"
             "                        and recover HP and MP\n"
             "           Stats      - view character statistics\n"
             "           Save       - save game\n"
             "           Exit       - exit game\n\n"
             "Battle Menu: Attack - attack with current weapon\n"
             "             Magic  - cast a spell\n"
             "             Run    - run away from battle (to distract the monsters\n"
             "                      you need to leave a small amount of gold behind)\n";
    waitkey();
}

void credit() {
    title();
    out() << "\n\n\n";
    box(28, {"  Coded by   ", " Rowan Hale  "});
    out() << "\n\n\n";
    box(28, {" Playtesters "});
    out() << "\n\n";
    out() << std::string(30, ' ') << "Mira Stone\n"
          << std::string(31, ' ') << "Tam Reed\n"
          << std::string(29, ' ') << "Oskar Vell\n"
          << std::string(29, ' ') << "Ilse Marrow\n"
          << std::string(29, ' ') << "Jory Penn\n";
    waitkey();
}

}  // namespace emberfell
