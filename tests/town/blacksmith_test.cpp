// The blacksmith: the price list, and every item sold at the price shown for
// the value shown, named on the sheet by the number bought.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "character/sheet.h"
#include "support/session.h"
#include "town/town.h"

namespace emberfell::testing {
namespace {

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
}

}  // namespace
}  // namespace emberfell::testing
