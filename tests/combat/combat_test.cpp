// The companions' attacks, the death screen and level advancement.

#include "combat/combat.h"

#include <gtest/gtest.h>

#include <string>

#include "character/savefile.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

// What the monster at 0 HP has lost after the group's blows with these rolls.
int lost(vars& v, std::initializer_list<int> rolls, std::string* shown = nullptr) {
    int enemyhp = 0;
    const std::string out = visit([&](vars& w) { group(enemyhp, w); }, v, "", rolls);
    if (shown) *shown = out;
    return -enemyhp;
}

TEST(Group, OneRollPerCompanionInActingOrder) {
    vars v{.party = {0, 0, 0, 0, 0, 0, 1, 1, 2}};  // Thatch, Duran; Garath's 2 is not 1
    std::string shown;
    EXPECT_EQ(lost(v, {2, 3}, &shown), 120);
    EXPECT_EQ(
        shown,
        "Duran attacks\n Slash: -100 enemy HP\nThatch attacks\n Backstab: -20 enemy HP\n[key]");
}

// All nine at once, every one drawing the same roll: the monster loses the
// sum of that roll's blows (Garath's first is his Cure).
TEST(Group, EveryCompanionsBlowForEachRoll) {
    for (auto [roll, sum] : {std::pair{1, 4301}, {2, 10210}, {3, 13320}}) {
        vars v{.maxhp = 1000, .hp = 1, .party = {1, 1, 1, 1, 1, 1, 1, 1, 1}};
        EXPECT_EQ(lost(v, {roll, roll, roll, roll, roll, roll, roll, roll, roll}), sum) << roll;
        EXPECT_EQ(v.hp, roll == 1 ? 1 + 203 : 1) << roll;  // Garath's Cure
    }
}

// The three deaths, by the roll, each ending in "Game Over" and status 0.
TEST(Death, TextByTheRollThenGameOverAndStatusZero) {
    std::string deaths;
    for (int roll = 1; roll <= 3; ++roll) {
        Session s;
        s.con.rolls({roll});
        vars v{.hp = 0};
        deaths += s.run([&] { winlose(10, v); });
        EXPECT_TRUE(s.ended() && s.status() == 0);
    }
    EXPECT_EQ(fingerprint(deaths), 11212376718447582248u) << deaths;
}

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
    const std::string top = shown.substr(shown.rfind("Strength +1\n"));
    EXPECT_EQ(fingerprint(top), 13015545129197190470u) << top;  // the top level's bonuses
    EXPECT_EQ(v.level, 100);
    EXPECT_EQ(v.maxhp, 5210);
    EXPECT_EQ(v.str, 7);
    EXPECT_EQ(visit(lvlup, v, ""), "");
}

}  // namespace
}  // namespace emberfell::testing
