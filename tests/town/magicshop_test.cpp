// The magic shop: its menu, the spell sequence and its prices, the potions'
// money and cap tests, and choices that name nothing.

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>

#include "character/record.h"
#include "console/input.h"
#include "support/session.h"
#include "town/town.h"

namespace emberfell::testing {
namespace {

const std::string welcome = R"(Welcome, young knight, I see that you have the gift of magic.
What can I do for you?

)";

const std::string menu = R"(1) Learn a spell
2) Health potion - +100 max HP - 500 gold
3) Magic potion - +50 max MP - 500 gold
4) Strength potion - +10 strength - 500 gold
5) Vitality potion - +10 vitality - 500 gold
6) Wisdom potion - +10 wisdom - 500 gold
7) Will potion - +10 will - 500 gold
8) I don't need anything
? )";

// The record's numbers, to tell that a visit changed nothing else.
constexpr std::int32_t vars::*numbers[] = {
    &vars::maxhp,  &vars::str,   &vars::vit, &vars::atk,     &vars::def,
    &vars::gold,   &vars::level, &vars::exp, &vars::expneed, &vars::maxmp,
    &vars::kills,  &vars::quest, &vars::hp,  &vars::mp,      &vars::spells,
    &vars::weapon, &vars::armor, &vars::wis, &vars::wil,
};

void expectsame(const vars& a, const vars& b) {
    for (auto field : numbers) EXPECT_EQ(a.*field, b.*field);
}

std::string mainscreen(const std::string& goldline) {
    return titleline + welcome + goldline + "\n" + menu;
}

std::string visit(vars& v, const std::string& typed, int* keys = nullptr) {
    Session s(typed);
    const std::string shown = s.run([&] { magicshop(v); });
    if (keys) *keys = s.con.keys();
    return shown;
}

TEST(MagicShop, NewKnightIsOfferedCureAndCannotPay) {
    vars v;
    int keys = -1;
    EXPECT_EQ(visit(v, "1\ny\n", &keys), mainscreen("Gold:     0") + titleline + R"(Gold:     0
Cost:   200
Would you like to buy the Cure spell? 
not enough money
[key])");
    EXPECT_EQ(keys, 1);
    EXPECT_EQ(v.spells, 0);
}

TEST(MagicShop, SpellOffersRiseWithEachSpellOwned) {
    const char* names[] = {"Cure",      "Water Blast", "Fireball",  "Earthquake",      "Tornado",
                           "Freeze",    "Melt",        "Avalanche", "Lightning Storm", "Life",
                           "Apocalypse"};
    vars v;
    v.gold = 13200;  // 200 + 400 + ... + 2200: exactly the eleven spells
    for (int n = 0; n < 11; ++n) {
        const int price = (n + 1) * 200;
        const std::string shown = visit(v, "1\nY\n");
        char costline[16];
        std::snprintf(costline, sizeof costline, "Cost: %5d\n", price);
        EXPECT_EQ(shown.substr(shown.find("Cost:")), std::string(costline) +
                                                         "Would you like to buy the " + names[n] +
                                                         " spell? \nYou bought the spell!!\n[key]")
            << n;
        EXPECT_EQ(v.spells, n + 1);
    }
    EXPECT_EQ(v.gold, 0);
    // Super Nova is never for sale; nor is anything to a knight whose count
    // an edited save has made negative.
    for (int owned : {11, 12, -1, INT_MIN}) {
        v.spells = owned;
        v.gold = 30000;
        EXPECT_EQ(visit(v, "1\n"), mainscreen("Gold: 30000") + titleline +
                                       "I have no spells for you to buy at this time\n[key]")
            << owned;
        EXPECT_EQ(v.spells, owned);
        EXPECT_EQ(v.gold, 30000);
    }
}

TEST(MagicShop, ApocalypseForTheLastGold) {
    vars v;
    v.spells = 10;
    v.gold = 2200;
    EXPECT_EQ(visit(v, "1\ny\n"), mainscreen("Gold:  2200") + titleline + R"(Gold:  2200
Cost:  2200
Would you like to buy the Apocalypse spell? 
You bought the spell!!
[key])");
    EXPECT_EQ(v.gold, 0);
    EXPECT_EQ(v.spells, 11);
}

TEST(MagicShop, AnythingButYesDeclinesTheSpell) {
    for (const char* typed : {"1\nn\n", "1\nx\n", "1\n  \n\n no\n"}) {
        vars v;
        v.gold = 1000;
        const std::string shown = visit(v, typed);
        EXPECT_EQ(shown.substr(shown.find("? \n")), "? \nAh, well...\n[key]") << typed;
        EXPECT_EQ(v.gold, 1000);
        EXPECT_EQ(v.spells, 0);
    }
}

TEST(MagicShop, HealthPotionSale) {
    vars v;
    v.gold = 1200;
    int keys = -1;
    EXPECT_EQ(visit(v, "2\n", &keys), mainscreen("Gold:  1200") + "\n+100 max HP!!\n[key]");
    EXPECT_EQ(keys, 1);
    EXPECT_EQ(v.gold, 700);
    EXPECT_EQ(v.maxhp, 110);
    EXPECT_EQ(v.hp, 10);  // only the maximum rises
}

TEST(MagicShop, EachPotionRaisesItsOwnFieldOnly) {
    const std::pair<std::int32_t vars::*, int> raised[] = {
        {&vars::maxhp, 100}, {&vars::maxmp, 50}, {&vars::str, 10},
        {&vars::vit, 10},    {&vars::wis, 10},   {&vars::wil, 10},
    };
    for (int choice = 2; choice <= 7; ++choice) {
        vars v;
        v.gold = 500;
        const vars before = v;
        visit(v, std::to_string(choice) + "\n");
        const auto [field, step] = raised[choice - 2];
        EXPECT_EQ(v.*field, before.*field + step) << choice;
        v.*field = before.*field;
        v.gold = before.gold;
        expectsame(v, before);
    }
}

TEST(MagicShop, MoneyIsAskedForBeforeTheCap) {
    vars v;
    v.str = 500;
    v.gold = 1000;
    EXPECT_EQ(visit(v, "4\n"),
              mainscreen("Gold:  1000") + "\n500 is the max amount of strength!!\n[key]");
    EXPECT_EQ(v.gold, 1000);
    EXPECT_EQ(v.str, 500);
    v.gold = 100;
    EXPECT_EQ(visit(v, "4\n"), mainscreen("Gold:   100") + "\nnot enough money!!\n[key]");
    EXPECT_EQ(v.gold, 100);
    v.gold = 499;
    v.str = 1;
    visit(v, "4\n");
    EXPECT_EQ(v.str, 1);
    EXPECT_EQ(v.gold, 499);
}

TEST(MagicShop, ThePurchaseThatReachesTheCapIsCutOff) {
    for (int start : {9950, 9900}) {
        vars v;
        v.maxhp = start;
        v.gold = 500;
        EXPECT_EQ(visit(v, "2\n"),
                  mainscreen("Gold:   500") +
                      "\n+100 max HP!!\nYou have reached the max amount of HP!!\n[key]")
            << start;
        EXPECT_EQ(v.maxhp, 10000);
        EXPECT_EQ(v.gold, 0);
    }
    // Above the cap counts as at it, and the lowest value there is takes a
    // potion without wrapping.
    vars v;
    v.maxmp = INT_MAX;
    v.gold = 600;
    EXPECT_EQ(visit(v, "3\n"),
              mainscreen("Gold:   600") + "\n5000 is the max amount of MP!!\n[key]");
    EXPECT_EQ(v.gold, 600);
    v.maxmp = INT_MIN;
    visit(v, "3\n");
    EXPECT_EQ(v.maxmp, INT_MIN + 50);
    EXPECT_EQ(v.gold, 100);
}

TEST(MagicShop, ChoicesThatNameNothing) {
    for (const char* typed : {"8\n", "9\n", "0\n", "-1\n", "abc\n", "4294967296\n"}) {
        vars v;
        v.gold = 30000;
        int keys = -1;
        EXPECT_EQ(visit(v, typed, &keys), mainscreen("Gold: 30000") + "\nMaybe next time...\n[key]")
            << typed;
        EXPECT_EQ(keys, 1);
        EXPECT_EQ(v.gold, 30000);
    }
    for (const char* junk : {"magic wand\n", "99999999999 2\n"}) {
        Session s(std::string(junk) + "q\n");
        vars v;
        s.run([&] { magicshop(v); });
        EXPECT_EQ(readanswer(), 'q') << junk;
    }
}

}  // namespace
}  // namespace emberfell::testing
