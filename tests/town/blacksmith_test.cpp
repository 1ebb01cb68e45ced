// The blacksmith: the price list, prices at the edge of the purse, choices
// that name nothing.

#include <gtest/gtest.h>

#include <string>

#include "console/input.h"
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

TEST(Blacksmith, TheKnifeAtExactlyItsPriceAndOneGoldShort) {
    vars v;
    v.gold = 24;
    EXPECT_EQ(visit(blacksmith, v, "1\n"),
              titleline + pricelist + "Gold:    24      ? \nnot enough money!!\n[key]");
    EXPECT_EQ(v.gold, 24);
    v.gold = 25;
    EXPECT_EQ(visit(blacksmith, v, "1\n"), titleline + pricelist + "Gold:    25      ? ");
    EXPECT_EQ(v.gold, 0);
    EXPECT_EQ(v.atk, 5);
    v.gold = 5025;  // a stronger item is replaced by a weaker one all the same
    visit(blacksmith, v, "10\n");
    visit(blacksmith, v, "1\n");
    EXPECT_EQ(v.atk, 5);
}

TEST(Blacksmith, EachItemIsTheNumberTheSheetNames) {
    for (int choice = 1; choice <= 20; ++choice) {
        vars v;
        v.gold = 6000;
        visit(blacksmith, v, std::to_string(choice) + "\n");
        EXPECT_EQ(choice <= 10 ? v.weapon : v.armor, (choice - 1) % 10 + 1) << choice;
    }
}

TEST(Blacksmith, ChoicesThatNameNothing) {
    for (const char* typed : {"21\n", "0\n", "abc def\n", "99999999999 x\n"}) {
        vars v;
        v.gold = 30000;
        Session s(std::string(typed) + "q\n");
        const std::string shown = s.run([&] { blacksmith(v); });
        EXPECT_EQ(shown.substr(shown.find("Gold:")), "Gold: 30000      ? Then LEAVE!![key]")
            << typed;
        EXPECT_EQ(readanswer(), 'q') << typed;  // the rest of the line is gone
        EXPECT_EQ(v.gold, 30000);
    }
}

}  // namespace
}  // namespace emberfell::testing
