// Level advancement.

#include <gtest/gtest.h>

#include <string>

#include "character/savefile.h"
#include "combat/combat.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

const std::string prompt =
    "(S)trength   (V)itality   W(i)sdom   (W)ill\nAdd one point to which of the above? ";

const std::string gains =
    titleline +
    "Level up!!!\n\nHP + 12\nMP + 6\nVitality + 1\nStrength + 1\nWisdom + 1\nWill + 1\n";

TEST(Lvlup, LevelOneToTwoWithTheStatPrompt) {
    vars v{.exp = 4, .hp = 3};
    EXPECT_EQ(visit(lvlup, v, "s\nv 7 w\n"), gains + prompt + "Strength +1\n" + prompt +
                                                 "Vitality +1\n" + prompt + prompt +
                                                 "Will +1\n[key]");
    // clang-format off
    const vars leveled{.maxhp = 22, .str = 3, .vit = 3, .level = 2, .expneed = 9, .maxmp = 11,
                       .hp = 22, .mp = 11, .wis = 2, .wil = 3};
    // clang-format on
    EXPECT_EQ(savetext(v), savetext(leveled));
    v.exp = 8;  // one short: nothing happens
    EXPECT_EQ(visit(lvlup, v, ""), "");
    EXPECT_EQ(v.level, 2);
}

TEST(Lvlup, PointsOnlyWhileTheStatsLeaveRoom) {
    for (int wil : {493, 494}) {  // stat sums 1993 and 1994 before the call
        vars v{.str = 500, .vit = 500, .exp = 4, .wis = 500, .wil = wil};
        const std::string points =
            wil == 493 ? prompt + "Will +1\n" + prompt + "Will +1\n" + prompt + "Will +1\n" : "";
        EXPECT_EQ(visit(lvlup, v, "w\nw\nw\n"), gains + points + "[key]") << wil;
        EXPECT_EQ(v.str, 500);
    }
}

TEST(Lvlup, NinetyNineToTheTopLevel) {
    vars v{.maxhp = 5000, .level = 99, .exp = 10000, .expneed = 10000, .maxmp = 1000};
    const std::string shown = visit(lvlup, v, "s\ns\ns\n");
    EXPECT_EQ(shown.substr(shown.rfind("Strength +1\n")), R"(Strength +1
Reached max level!!
HP and MP bonus: +100
Strength and Vitality bonus: +2
Wisdom and Will bonus: +2
[key])");
    EXPECT_EQ(v.level, 100);
    EXPECT_EQ(v.maxhp, 5210);
    EXPECT_EQ(v.str, 7);
    EXPECT_EQ(visit(lvlup, v, ""), "");
}

}  // namespace
}  // namespace emberfell::testing
