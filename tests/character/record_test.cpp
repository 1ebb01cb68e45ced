// The record's new-game values and the limits that statcheck restores.

#include "character/record.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace emberfell {
namespace {

TEST(Record, NewGameValues) {
    vars v;
    EXPECT_EQ(v.maxhp, 10);
    EXPECT_EQ(v.hp, 10);
    EXPECT_EQ(v.maxmp, 5);
    EXPECT_EQ(v.mp, 5);
    for (int field : {v.str, v.vit, v.atk, v.def, v.wis, v.wil, v.level, v.quest})
        EXPECT_EQ(field, 1);
    EXPECT_EQ(v.expneed, 4);
    for (int field : {v.gold, v.exp, v.kills, v.spells, v.weapon, v.armor}) EXPECT_EQ(field, 0);
    for (int flag : v.party) EXPECT_EQ(flag, 0);
    EXPECT_STREQ(v.name, "");
}

TEST(Statcheck, LevelHundredEndsExperience) {
    vars v;
    v.level = 100;
    v.exp = 37;
    v.expneed = 5000;
    statcheck(v);
    EXPECT_EQ(v.level, 100);
    EXPECT_EQ(v.exp, 0);
    EXPECT_EQ(v.expneed, 0);

    v.level = 104;
    v.exp = 3;
    v.expneed = 9;
    statcheck(v);
    EXPECT_EQ(v.level, 100);
    EXPECT_EQ(v.exp, 0);
    EXPECT_EQ(v.expneed, 0);
}

TEST(Statcheck, GoldOutOfRangeBecomesTheLimit) {
    vars v;
    for (auto [before, after] :
         {std::pair{-5, 30000}, {30001, 30000}, {30000, 30000}, {0, 0}, {INT_MIN, 30000}}) {
        v.gold = before;
        statcheck(v);
        EXPECT_EQ(v.gold, after) << "gold before: " << before;
    }
}

TEST(Statcheck, CurrentValuesThenMaxima) {
    vars v;
    v.hp = 12;
    statcheck(v);
    EXPECT_EQ(v.hp, 10);
    v.hp = -3;
    statcheck(v);
    EXPECT_EQ(v.hp, -3);

    // The current value is clamped before its maximum is capped, so it takes
    // a second pass to bring it down to the cap.
    v.maxhp = 10050;
    v.hp = 10050;
    v.maxmp = 5010;
    v.mp = 5010;
    statcheck(v);
    EXPECT_EQ(v.maxhp, 10000);
    EXPECT_EQ(v.hp, 10050);
    EXPECT_EQ(v.maxmp, 5000);
    EXPECT_EQ(v.mp, 5010);
    statcheck(v);
    EXPECT_EQ(v.hp, 10000);
    EXPECT_EQ(v.mp, 5000);
}

TEST(Statcheck, AttributesCapAtFiveHundred) {
    vars v;
    v.wis = 501;
    v.wil = 500;
    v.str = 600;
    v.vit = 499;
    statcheck(v);
    EXPECT_EQ(v.wis, 500);
    EXPECT_EQ(v.wil, 500);
    EXPECT_EQ(v.str, 500);
    EXPECT_EQ(v.vit, 499);
}

TEST(Statcheck, LeavesTheRestAlone) {
    vars v;
    v.atk = INT_MAX;
    v.def = -7;
    v.kills = 12;
    v.quest = 9;
    v.spells = 13;
    v.weapon = 11;
    v.armor = -1;
    v.level = -4;
    v.party[3] = 2;
    std::strcpy(v.name, "Sir Ayla");
    const vars before = v;
    statcheck(v);
    EXPECT_EQ(std::memcmp(&v, &before, sizeof v), 0);
}

TEST(RecordArithmetic, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(plus(INT_MAX, 6), INT_MAX);
    EXPECT_EQ(minus(INT_MIN, 1), INT_MIN);
    EXPECT_EQ(times(INT_MIN, 2), INT_MIN);
    EXPECT_EQ(plus(5, -7), -2);
    EXPECT_EQ(clamp32(1e300), INT_MAX);
    EXPECT_EQ(clamp32(-1e300), INT_MIN);
    EXPECT_EQ(clamp32(0.0 / 0.0), 0);
    EXPECT_EQ(clamp32(-799.9), -799);
}

}  // namespace
}  // namespace emberfell
