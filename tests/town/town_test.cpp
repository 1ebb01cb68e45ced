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

const std::string pricelist =
    R"(Listen kid, I've got a schedule to keep, so hurry up. Wadda ya want?
#   Weapon               Attack Value      Cost
1)  Knife -------------- 5 --------------- 25
2)  Dagger ------------- 10 -------------- 125
3)  Short Sword -------- 15 -------------- 225
4)  Long Sword --------- 20 -------------- 325
5)  Broad Sword -------- 25 -------------- 425
6)  Two-handed Sword --- 30 -------------- 525
7)  Ice Edge ----------- 40 -------------- 1000
8)  Tempest ------------ 50 -------------- 1500
9)  Night Blade -------- 60 -------------- 2500
10) Might of Chaos ----- 75 -------------- 5000
#   Armor                Defense Value     Cost
11) Leather ------------ 5 --------------- 25
12) Studded Leather ---- 10 -------------- 150
13) Chain Mail --------- 15 -------------- 275
14) Splint Mail -------- 20 -------------- 400
15) Breast Plate ------- 25 -------------- 525
16) Full Plate --------- 40 -------------- 700
17) Enchanted Robes ---- 50 -------------- 900
18) Demon's Edge ------- 60 -------------- 1500
19) Whirlwind ---------- 70 -------------- 2500
20) Hellforge ---------- 85 -------------- 6000
21) I don't want anything
)";

// Each item of the list, bought with exactly its price: the gold is gone
// without a word, the value is the one shown and the sheet names the item as
// the list does (but for the Breast Plate, the sheet's Breastplate).
TEST(Blacksmith, EachItemAtThePriceAndValueShown) {
    vars v{.gold = 24};
    EXPECT_EQ(visit(blacksmith, v, "1\n"),
              titleline + pricelist + "Gold:    24      ? \nnot enough money!!\n[key]");
    EXPECT_EQ(visit(blacksmith, v, "21\n"),
              titleline + pricelist + "Gold:    24      ? Then LEAVE!![key]");
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
