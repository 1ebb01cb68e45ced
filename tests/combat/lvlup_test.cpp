// Level advancement.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "character/record.h"
#include "combat/combat.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

const std::string prompt =
    "(S)trength   (V)itality   W(i)sdom   (W)ill\nAdd one point to which of the above? ";

const std::string fixedgains = R"(HP + 12
MP + 6
Vitality + 1
Strength + 1
Wisdom + 1
Will + 1
)";

TEST(Lvlup, LevelOneToTwo) {
    vars v;
    v.exp = 4;
    v.hp = 3;
    Session s("s\nv 7 w\n");
    EXPECT_EQ(s.run([&] { lvlup(v); }), titleline + "Level up!!!\n\n" + fixedgains + prompt +
                                            "Strength +1\n" + prompt + "Vitality +1\n" + prompt +
                                            prompt + "Will +1\n[key]");
    EXPECT_EQ(v.level, 2);
    EXPECT_EQ(v.maxhp, 22);
    EXPECT_EQ(v.hp, 22);
    EXPECT_EQ(v.maxmp, 11);
    EXPECT_EQ(v.mp, 11);
    EXPECT_EQ(v.str, 3);
    EXPECT_EQ(v.vit, 3);
    EXPECT_EQ(v.wis, 2);
    EXPECT_EQ(v.wil, 3);
    EXPECT_EQ(v.exp, 0);
    EXPECT_EQ(v.expneed, 9);
}

TEST(Lvlup, NotEnoughExperienceChangesNothing) {
    vars v;
    v.exp = 3;
    v.hp = 20;  // but the limits still apply
    Session s;
    EXPECT_EQ(s.run([&] { lvlup(v); }), "");
    EXPECT_EQ(v.level, 1);
    EXPECT_EQ(v.hp, 10);
}

TEST(Lvlup, OneLevelPerCall) {
    vars v;
    v.exp = 30;
    Session s("sss\nsss\n");
    s.run([&] { lvlup(v); });
    EXPECT_EQ(v.level, 2);
    EXPECT_EQ(v.exp, 26);
    EXPECT_EQ(v.expneed, 9);
    s.run([&] { lvlup(v); });
    EXPECT_EQ(v.level, 3);
    EXPECT_EQ(v.exp, 17);
    EXPECT_EQ(v.expneed, 16);
}

TEST(Lvlup, StatAtTheLimitIsRefusedAndAskedAgain) {
    vars v;
    v.exp = 4;
    v.str = 499;  // 500 after the fixed gain
    Session s("s\ni\ni\ni\n");
    const std::string shown = s.run([&] { lvlup(v); });
    EXPECT_NE(shown.find(prompt + "You already have the max amount of strength!!\n[key]" + prompt +
                         "Wisdom +1\n"),
              std::string::npos);
    EXPECT_EQ(v.str, 500);
    EXPECT_EQ(v.wis, 5);
}

TEST(Lvlup, PointsOnlyWhileTheStatsLeaveRoom) {
    // 1993 before the call is 1997 after the fixed gains: three points.
    vars v;
    v.exp = 4;
    v.str = 500;
    v.vit = 500;
    v.wis = 500;
    v.wil = 493;
    Session s("w\nw\nw\n");
    EXPECT_EQ(s.run([&] { lvlup(v); }), titleline + "Level up!!!\n\n" + fixedgains + prompt +
                                            "Will +1\n" + prompt + "Will +1\n" + prompt +
                                            "Will +1\n[key]");
    EXPECT_EQ(v.wil, 497);
    EXPECT_EQ(v.str, 500);  // the fixed gain is clamped again

    // 1994 before the call: none.
    vars w;
    w.exp = 4;
    w.str = 500;
    w.vit = 500;
    w.wis = 500;
    w.wil = 494;
    Session t;
    EXPECT_EQ(t.run([&] { lvlup(w); }), titleline + "Level up!!!\n\n" + fixedgains + "[key]");
    EXPECT_EQ(w.level, 2);
    EXPECT_EQ(w.wil, 495);
}

TEST(Lvlup, NinetyNineToTheTopLevel) {
    vars v;
    v.level = 99;
    v.exp = 10000;
    v.expneed = 10000;
    v.maxhp = 5000;
    v.maxmp = 1000;
    Session s("s\ns\ns\n");
    EXPECT_EQ(s.run([&] { lvlup(v); }), titleline + R"(Level up!!!

HP + 110
MP + 55
Vitality + 1
Strength + 1
Wisdom + 1
Will + 1
)" + prompt + "Strength +1\n" + prompt + "Strength +1\n" +
                                            prompt + R"(Strength +1
Reached max level!!
HP and MP bonus: +100
Strength and Vitality bonus: +2
Wisdom and Will bonus: +2
[key])");
    EXPECT_EQ(v.level, 100);
    EXPECT_EQ(v.maxhp, 5210);
    EXPECT_EQ(v.hp, 5110);
    EXPECT_EQ(v.maxmp, 1155);
    EXPECT_EQ(v.mp, 1055);
    EXPECT_EQ(v.str, 1 + 1 + 3 + 2);
    EXPECT_EQ(v.wil, 1 + 1 + 2);
    EXPECT_EQ(v.exp, 0);
    EXPECT_EQ(v.expneed, 0);

    Session t;
    EXPECT_EQ(t.run([&] { lvlup(v); }), "");
    EXPECT_EQ(v.level, 100);
}

TEST(Lvlup, EndOfInputDuringPlacementEndsTheProgram) {
    vars v;
    v.exp = 4;
    Session s("s\n");
    s.run([&] { lvlup(v); });
    EXPECT_TRUE(s.ended());
    EXPECT_EQ(s.status(), 0);
}

TEST(Lvlup, ExtremeSavedValuesStayDefined) {
    vars v;
    v.level = INT_MIN;
    v.exp = INT_MAX;
    v.expneed = INT_MIN;
    v.maxhp = INT_MAX;
    v.maxmp = INT_MAX;
    Session s("s\ns\ns\n");
    s.run([&] { lvlup(v); });
    EXPECT_EQ(v.level, INT_MIN + 1);
    EXPECT_EQ(v.exp, INT_MAX);
    EXPECT_EQ(v.expneed, INT_MAX);  // (level + 1) squared, cut to the range
}

}  // namespace
}  // namespace emberfell::testing
