// The limits that statcheck restores and the record's saturating arithmetic.

#include "character/record.h"

#include <gtest/gtest.h>

#include <climits>

#include "character/savefile.h"

namespace emberfell {
namespace {

TEST(Record, StatcheckCapsAndFloorsAndLeavesTheRestAlone) {
    // clang-format off
    vars v{.maxhp = 10050, .str = 600, .vit = 500, .atk = INT_MAX, .def = -7, .gold = -1,
           .level = 104, .exp = 3, .expneed = 9, .maxmp = 5010, .kills = 12, .quest = 9,
           .hp = 10050, .mp = 5010, .spells = 13, .weapon = -1, .wis = 501, .wil = 500,
           .name = "Sir Ayla", .party = {2}};
    // clang-format on
    statcheck(v);  // current values are clamped to the maxima before these are capped
    EXPECT_EQ(savetext(v),
              "10000\n500\n500\n2147483647\n-7\n30000\n100\n0\n0\n5000\n12\n10050\n"
              "5010\n13\n-1\n0\n9\n2\n0\n0\n0\n0\n0\n0\n0\n0\n500\n500\nSir Ayla\n");
    for (auto [gold, kept] : {std::pair{30000, 30000}, {30001, 30000}, {0, 0}, {INT_MIN, 30000}}) {
        vars g{.gold = gold, .level = 99, .exp = 3};
        statcheck(g);
        EXPECT_EQ(std::pair(g.gold, g.exp), std::pair(kept, 3)) << gold;  // level 99 keeps it
    }
    vars top{.level = 100, .exp = 3, .expneed = 9};
    statcheck(top);
    EXPECT_EQ(top.exp + top.expneed, 0);
}

TEST(Record, ArithmeticSaturatesAtThe32BitEdges) {
    EXPECT_EQ(plus(INT_MAX, 1), INT_MAX);
    EXPECT_EQ(minus(INT_MIN, 1), INT_MIN);
    EXPECT_EQ(times(INT_MIN, -1), INT_MAX);
    EXPECT_EQ(times(-65536, 32768), INT_MIN);
    EXPECT_EQ(clamp32(1e300), INT_MAX);
    EXPECT_EQ(clamp32(-1e300), INT_MIN);
    EXPECT_EQ(clamp32(2147483646.9), INT_MAX - 1);  // truncated toward zero
    EXPECT_EQ(clamp32(-2147483647.9), INT_MIN + 1);
    EXPECT_EQ(clamp32(0.0 / 0.0), 0);
}

}  // namespace
}  // namespace emberfell
