// Level advancement.

#include <gtest/gtest.h>

#include <string>

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
    vars v;
    v.exp = 4;
    v.hp = 3;
    Session s("s\nv 7 w\n");
    EXPECT_EQ(s.run([&] { lvlup(v); }), gains + prompt + "Strength +1\n" + prompt +
                                            "Vitality +1\n" + prompt + prompt + "Will +1\n[key]");
    EXPECT_EQ(v.hp, 22);
    EXPECT_EQ(v.str, 3);
    EXPECT_EQ(v.exp, 0);
    EXPECT_EQ(v.expneed, 9);
    v.exp = 8;  // one short: nothing happens
    EXPECT_EQ(s.run([&] { lvlup(v); }), "");
    EXPECT_EQ(v.level, 2);
}

TEST(Lvlup, PointsOnlyWhileTheStatsLeaveRoom) {
    for (int wil : {493, 494}) {  // stat sums 1993 and 1994 before the call
        vars v;
        v.exp = 4;
        v.str = v.vit = v.wis = 500;
        v.wil = wil;
        Session s("w\nw\nw\n");
        const std::string points =
            wil == 493 ? prompt + "Will +1\n" + prompt + "Will +1\n" + prompt + "Will +1\n" : "";
        EXPECT_EQ(s.run([&] { lvlup(v); }), gains + points + "[key]") << wil;
        EXPECT_EQ(v.str, 500);
    }
}

TEST(Lvlup, NinetyNineToTheTopLevel) {
    vars v;
    v.level = 99;
    v.exp = v.expneed = 10000;
    v.maxhp = 5000;
    v.maxmp = 1000;
    Session s("s\ns\ns\n");
    const std::string shown = s.run([&] { lvlup(v); });
    EXPECT_EQ(shown.substr(shown.rfind("Strength +1\n")), R"(Strength +1
Reached max level!!
HP and MP bonus: +100
Strength and Vitality bonus: +2
Wisdom and Will bonus: +2
[key])");
    EXPECT_EQ(v.level, 100);
    EXPECT_EQ(v.maxhp, 5210);
    EXPECT_EQ(v.str, 7);
    EXPECT_EQ(s.run([&] { lvlup(v); }), "");
}

}  // namespace
}  // namespace emberfell::testing
