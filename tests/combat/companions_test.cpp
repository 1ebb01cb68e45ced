// The companions' attacks.

#include <gtest/gtest.h>

#include <string>

#include "combat/combat.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

TEST(Group, OneRollPerCompanionInActingOrder) {
    vars v;
    v.party[thatch] = 1;
    v.party[duran] = 1;
    v.party[garath] = 2;  // only exactly 1 counts
    int enemyhp = 500;
    Session s;
    s.con.rolls({2, 3});
    EXPECT_EQ(
        s.run([&] { group(enemyhp, v); }),
        "Duran attacks\n Slash: -100 enemy HP\nThatch attacks\n Backstab: -20 enemy HP\n[key]");
    EXPECT_EQ(enemyhp, 380);
}

// All nine at once, every one drawing the same roll: the monster loses the
// sum of that roll's blows (Garath's first is his Cure).
TEST(Group, EveryCompanionsBlowForEachRoll) {
    const int lost[3] = {4301, 10210, 13320};
    for (int roll = 1; roll <= 3; ++roll) {
        vars v;
        for (int& joined : v.party) joined = 1;
        v.maxhp = 1000;
        v.hp = 1;
        int enemyhp = 0;
        Session s;
        s.con.roll(roll, 9);
        s.run([&] { group(enemyhp, v); });
        EXPECT_EQ(enemyhp, -lost[roll - 1]) << roll;
        EXPECT_EQ(v.hp, roll == 1 ? 1 + 203 : 1) << roll;  // Garath's Cure
    }
}

}  // namespace
}  // namespace emberfell::testing
