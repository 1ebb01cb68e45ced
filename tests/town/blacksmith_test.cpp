// The town's shops and the inn: prices at the edge of the purse, the magic
// shop's caps and spell offers, and choices that name nothing.

#include <gtest/gtest.h>

#include <string>

#include "character/record.h"
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

template <class Place>
std::string visit(Place place, vars& v, const std::string& typed) {
    Session s(typed);
    return s.run([&] { place(v); });
}

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

TEST(Shops, ChoicesThatNameNothing) {
    for (const char* typed : {"21\n", "0\n", "abc def\n", "99999999999 x\n"}) {
        vars v;
        v.gold = 30000;
        Session s(std::string(typed) + "q\n");
        const std::string shown = s.run([&] { blacksmith(v); });
        EXPECT_EQ(shown.substr(shown.find("Gold:")), "Gold: 30000      ? Then LEAVE!![key]")
            << typed;
        EXPECT_EQ(readanswer(), 'q') << typed;  // the rest of the line is gone
        Session t(std::string(typed) + "q\n");
        const std::string magic = t.run([&] { magicshop(v); });
        EXPECT_EQ(magic.substr(magic.find("8) ")),
                  "8) I don't need anything\n? \nMaybe next time...\n[key]")
            << typed;
        EXPECT_EQ(readanswer(), 'q') << typed;
        EXPECT_EQ(v.gold, 30000);
    }
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

TEST(MagicShop, MoneyBeforeTheCapAndTheCutOff) {
    vars v;
    v.str = 500;
    v.gold = 1000;
    const std::string capped = visit(magicshop, v, "4\n");
    EXPECT_EQ(capped.substr(capped.rfind("? ")), "? \n500 is the max amount of strength!!\n[key]");
    v.gold = 100;
    const std::string poor = visit(magicshop, v, "4\n");
    EXPECT_EQ(poor.substr(poor.rfind("? ")), "? \nnot enough money!!\n[key]");
    EXPECT_EQ(v.gold, 100);
    v.maxhp = 9950;
    v.gold = 500;
    const std::string cut = visit(magicshop, v, "2\n");
    EXPECT_EQ(cut.substr(cut.rfind("? ")),
              "? \n+100 max HP!!\nYou have reached the max amount of HP!!\n[key]");
    EXPECT_EQ(v.maxhp, 10000);
    EXPECT_EQ(v.gold, 0);
}

TEST(Inn, PriceIsHalfTheLevelThenHeal) {
    vars v;
    v.level = 5;
    v.gold = 1;
    v.hp = 1;
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
