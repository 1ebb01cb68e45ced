// The companions' attacks.

#include <gtest/gtest.h>

#include <string>

#include "combat/combat.h"
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

}  // namespace
}  // namespace emberfell::testing
