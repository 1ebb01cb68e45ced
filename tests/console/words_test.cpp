// The game's words for listening (--plain and the page's transcript): what
// they say of the menus and of a fight, and what each wait asks.

#include "console/words.h"

#include <gtest/gtest.h>

#include "console/plain.h"
#include "encounters/encounters.h"
#include "shell/menus.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

// The game's words on the scripted console (which marks each key "[key]"
// and echoes no answer).
template <class Play>
std::string said(const std::string& typed, std::initializer_list<int> rolls, Play play) {
    Session s(typed);
    s.con.rolls(rolls);
    PlainConsole plain(s.con);
    setconsole(plain);
    return s.run(play);
}

// The title's words, then a wrong choice, the credits, a new knight, a wrong
// choice and goodbye.
TEST(Words, TheMenusSayTheirWordsAndEveryWait) {
    const std::string title = "Emberfell, version " EMBERFELL_VERSION ". Press Enter.\n";
    const std::string words = said("x\nc\nn\nAyla\nz\ne\n", {}, play);
    EXPECT_EQ(words.substr(0, title.size()), title);
    EXPECT_EQ(fingerprint(words.substr(title.size())), 17048145371705725471u) << words;
}

TEST(Words, AFightsNextTurnSaysWhatChanged) {
    vars v;  // a new knight: 4 a blow, and the squirrel's claw takes 1 HP
    const std::string turn =
        "? You attack\nSlash: -4 enemy HP\n\nEnemy attacks\nClaw: -3 HP\nDefense value: 2\n"
        "(Press any key.)\n[key]\n";
    EXPECT_EQ(said("1\n1\n", {1, 1, 1, 1}, [&] { encounter(beast::squirrel, v); }),
              "Emberfell\n\nYou found a rabid squirrel\n(Press any key.)\n[key]\n"
              "HP: 10/10\nMP: 5/5\n1) Attack\n2) Magic\n3) Run\n" +
                  turn + "HP: 9/10\n" + turn + "HP: 8/10\n? ");
}

// What the page is told each wait asks, and the words of rules and leaders.
TEST(Words, EachWaitAsksInWords) {
    Words w;
    const auto asks = [&](std::string_view printed, awaited what = awaited::line) {
        w.write(printed);
        return w.wait(what);
    };
    EXPECT_EQ(asks("*** Stats ***\n1) Attack\n2) Magic\n3) Run\n? "),
              "1) Attack, 2) Magic, 3) Run");
    EXPECT_EQ(asks(""), "1) Attack, 2) Magic, 3) Run");  // an empty line typed
    EXPECT_EQ(asks("1) Cure --------------- 100 MP\n0) Don't cast anything\n? "),
              "1) Cure, 100 MP, 0) Don't cast anything");
    EXPECT_EQ(asks("Gold:    10  \nAre you going to run away?\n? "), "Are you going to run away?");
    EXPECT_EQ(asks("21) I don't want anything\nGold:   100      ? "),
              "Gold: 100. 21) I don't want anything");
    EXPECT_EQ(asks("\n\nWould you like to rest? "), "Would you like to rest?");
    EXPECT_EQ(asks("Then LEAVE!!", awaited::key), "(Press any key.)");
    EXPECT_EQ(w.take(), R"(Stats
1) Attack
2) Magic
3) Run
? 1) Cure, 100 MP
0) Don't cast anything
? Gold: 10
Are you going to run away?
? 21) I don't want anything
Gold: 100 ? 
Would you like to rest? Then LEAVE!!
(Press any key.)
)");
}

}  // namespace
}  // namespace emberfell::testing
