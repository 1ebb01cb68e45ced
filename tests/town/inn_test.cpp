// The inn: half the level to rest, then a full heal.

#include <gtest/gtest.h>

#include <string>

#include "support/session.h"
#include "town/town.h"

namespace emberfell::testing {
namespace {

TEST(Inn, PriceIsHalfTheLevelThenHeal) {
    vars v{.gold = 1, .level = 5, .hp = 1};
    const std::string screen =
        titleline +
        "Welcome to the Lonely Tankard Inn. You can rest here and heal HP and MP.\n"
        "HP: 1/10\nMP: 5/5\nGold:     1\nCost: 2 gold\nWould you like to rest? ";
    EXPECT_EQ(visit(inn, v, "y\n"), screen + "\nnot enough money!!\n[key]");
    EXPECT_EQ(v.hp, 1);
    v.gold = 2;
    EXPECT_EQ(visit(inn, v, "Y\n").substr(screen.size()), "\nYou feel refreshed\n[key]");
    EXPECT_EQ(v.gold, 0);
    EXPECT_EQ(v.hp, 10);
}

}  // namespace
}  // namespace emberfell::testing
