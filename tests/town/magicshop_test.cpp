// The magic shop: its menu, the spell offers, the potions' caps.

#include <gtest/gtest.h>

#include <string>

#include "support/session.h"
#include "town/potions.h"
#include "town/town.h"

namespace emberfell::testing {
namespace {

TEST(MagicShop, TheMenuAndItsLastChoice) {
    vars v{.gold = 30000};
    EXPECT_EQ(visit(magicshop, v, "8\n"),
              titleline + R"(Welcome, young knight, I see that you have the gift of magic.
What can I do for you?

Gold: 30000
1) Learn a spell
2) Health potion - +100 max HP - 500 gold
3) Magic potion - +50 max MP - 500 gold
4) Strength potion - +10 strength - 500 gold
5) Vitality potion - +10 vitality - 500 gold
6) Wisdom potion - +10 wisdom - 500 gold
7) Will potion - +10 will - 500 gold
8) I don't need anything
? 
Maybe next time...
[key])");
    EXPECT_EQ(v.gold, 30000);
}

TEST(MagicShop, SpellOffersUpToApocalypseThenNone) {
    vars v;
    v.spells = 10;
    v.gold = 2200;
    const std::string shown = visit(magicshop, v, "1\ny\n");
    EXPECT_EQ(shown.substr(shown.rfind("Gold:")),
              "Gold:  2200\nCost:  2200\nWould you like to buy "
              "the Apocalypse spell? \nYou bought the spell!!\n[key]");
    EXPECT_EQ(v.spells, 11);
    v.gold = 30000;
    const std::string none = visit(magicshop, v, "1\n");
    EXPECT_EQ(none.substr(none.rfind("[clear]")),
              titleline + "I have no spells for you to buy at this time\n[key]");
    EXPECT_EQ(v.gold, 30000);
}

// Each potion at its cap; the money is asked for before the cap; a potion
// that would pass the cap is cut off at it.
TEST(MagicShop, PotionsMoneyFirstThenTheCap) {
    const auto after = [](const std::string& shown) { return shown.substr(shown.rfind("? ")); };
    vars v;
    for (int choice = firstpotion; choice < firstpotion + potioncount; ++choice) {
        const potion& p = potions[choice - firstpotion];
        v.gold = 500;
        v.*p.field = p.cap;
        EXPECT_EQ(
            after(visit(magicshop, v, std::to_string(choice) + "\n")),
            "? \n" + std::to_string(p.cap) + " is the max amount of " + p.amount + "!!\n[key]");
        EXPECT_EQ(v.gold, 500);
    }
    v.gold = 499;
    EXPECT_EQ(after(visit(magicshop, v, "4\n")), "? \nnot enough money!!\n[key]");
    EXPECT_EQ(v.gold, 499);
    v.maxhp = 9950;
    v.gold = 500;
    EXPECT_EQ(after(visit(magicshop, v, "2\n")),
              "? \n+100 max HP!!\nYou have reached the max amount of HP!!\n[key]");
    EXPECT_EQ(v.maxhp, 10000);
    EXPECT_EQ(v.gold, 0);
}

}  // namespace
}  // namespace emberfell::testing
