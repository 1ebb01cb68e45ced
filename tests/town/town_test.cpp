// The town: the inn's price and heal; the blacksmith's price list, and every
// item sold at the price shown for the value shown, named on the sheet by the
// number bought; the magic shop's menu, spell offers and the potions' caps.

#include "town/town.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "character/arms.h"
#include "character/sheet.h"
#include "support/session.h"
#include "town/potions.h"

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

// Each item of the list, bought with exactly its price: the gold is gone
// without a word, the value is the one shown and the sheet names the item as
// the list does (but for the Breast Plate, the sheet's Breastplate).
TEST(Blacksmith, EachItemAtThePriceAndValueShown) {
    vars v{.gold = 24};
    const std::string left = visit(blacksmith, v, "21\n");
    EXPECT_EQ(fingerprint(left), 7356119792716292294u) << left;
    const std::string pricelist = left.substr(0, left.rfind("Gold:"));
    EXPECT_EQ(visit(blacksmith, v, "1\n"),
              pricelist + "Gold:    24      ? \nnot enough money!!\n[key]");
    EXPECT_EQ(left.substr(pricelist.size()), "Gold:    24      ? Then LEAVE!![key]");
    std::istringstream list(pricelist);
    std::string line, dashes, kind;
    int choice = 0, value = 0, price = 0, items = 0;
    while (std::getline(list, line)) {
        if (line[0] == '#') kind = line.substr(4, line.find(' ', 4) - 4);  // Weapon, Armor
        if (!(std::istringstream(line) >> choice) ||
            !(std::istringstream(line.substr(24)) >> value >> dashes >> price))
            continue;
        ++items;
        std::string name = line.substr(4, line.find(" -") - 4);
        if (name == "Breast Plate") name = "Breastplate";
        vars k{.gold = price};
        const std::string shown = visit(blacksmith, k, std::to_string(choice) + "\n");
        EXPECT_EQ(shown.substr(shown.size() - 8), "      ? ") << choice;
        EXPECT_EQ(k.gold, 0) << choice;
        EXPECT_EQ(kind == "Weapon" ? k.atk : k.def, value) << choice;
        EXPECT_NE(visit(stats, k, "").find(kind + ": " + name + "\n"), std::string::npos) << name;
    }
    EXPECT_EQ(items, 20);
    vars none{.weapon = -1, .armor = armcount};  // nothing the sheet names
    EXPECT_NE(visit(stats, none, "").find("Weapon: Fist\nAttack value: 1\nArmor: Clothes\n"),
              std::string::npos);
}

TEST(MagicShop, TheMenuAndItsLastChoice) {
    vars v{.gold = 30000};
    const std::string menu = visit(magicshop, v, "8\n");
    EXPECT_EQ(fingerprint(menu), 16022642059898103220u) << menu;
    EXPECT_EQ(menu.substr(menu.rfind("8)")),
              "8) I don't need anything\n? \nMaybe next time...\n[key]");
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
