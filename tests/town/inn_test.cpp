// The inn.

#include <gtest/gtest.h>

#include <string>

#include "character/record.h"
#include "support/session.h"
#include "town/town.h"

namespace emberfell::testing {
namespace {

std::string innscreen(const std::string& hp, const std::string& mp, const std::string& gold,
                      int price) {
    return titleline +
           "Welcome to the Lonely Tankard Inn. You can rest here and heal HP and MP.\n"
           "HP: " +
           hp + "\nMP: " + mp + "\nGold: " + gold + "\nCost: " + std::to_string(price) +
           " gold\nWould you like to rest? ";
}

TEST(Inn, FreeAtLevelOne) {
    vars v;
    v.hp = 2;
    v.mp = 0;
    Session s("y\n");
    EXPECT_EQ(s.run([&] { inn(v); }),
              innscreen("2/10", "0/5", "    0", 0) + "\nYou feel refreshed\n[key]");
    EXPECT_EQ(v.hp, 10);
    EXPECT_EQ(v.mp, 5);
    EXPECT_EQ(v.gold, 0);
}

TEST(Inn, PriceIsHalfTheLevelAndGoldMustCoverIt) {
    vars v;
    v.level = 5;
    v.gold = 1;
    v.hp = 1;
    Session s("Y\n");
    EXPECT_EQ(s.run([&] { inn(v); }),
              innscreen("1/10", "5/5", "    1", 2) + "\nnot enough money!!\n[key]");
    EXPECT_EQ(v.hp, 1);
    EXPECT_EQ(v.gold, 1);

    v.gold = 2;
    s.con.type("y\n");
    s.run([&] { inn(v); });
    EXPECT_EQ(v.gold, 0);
    EXPECT_EQ(v.hp, 10);
}

TEST(Inn, AnythingButYesIsTurnedAway) {
    for (const char* typed : {"n\n", "7\n", "x\n"}) {
        vars v;
        v.level = 100;
        v.gold = 12345;
        v.hp = 4;
        Session s(typed);
        EXPECT_EQ(s.run([&] { inn(v); }),
                  innscreen("4/10", "5/5", "12345", 50) +
                      "\nNo? Well then, what are you doing here? GET OUT!! You're holding up "
                      "business.\n[key]")
            << typed;
        EXPECT_EQ(v.gold, 12345);
        EXPECT_EQ(v.hp, 4);
    }
}

TEST(Heal, FillsBothAndTouchesNothingElse) {
    vars v;
    v.hp = 50;
    v.mp = -3;
    v.gold = 77;
    heal(v);
    EXPECT_EQ(v.hp, 10);
    EXPECT_EQ(v.mp, 5);
    EXPECT_EQ(v.gold, 77);
}

}  // namespace
}  // namespace emberfell::testing
