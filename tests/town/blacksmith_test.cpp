// The blacksmith: the price list, purchases at the edge of the purse,
// replacing what is carried, and choices that name nothing.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "character/record.h"
#include "console/input.h"
#include "shell/menus.h"
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

// One visit with this much gold and this typed choice; the transcript.
std::string visit(vars& v, const std::string& typed, int* keys = nullptr) {
    Session s(typed);
    const std::string shown = s.run([&] { blacksmith(v); });
    if (keys) *keys = s.con.keys();
    return shown;
}

TEST(Blacksmith, WholeScreenAndTheKnifeAtExactlyItsPrice) {
    vars v;
    v.gold = 25;
    int keys = -1;
    EXPECT_EQ(visit(v, "1\n", &keys), titleline + pricelist + "Gold:    25      ? ");
    EXPECT_EQ(keys, 0);  // no word and no wait after a sale
    EXPECT_EQ(v.gold, 0);
    EXPECT_EQ(v.atk, 5);
    EXPECT_EQ(v.weapon, 1);
    EXPECT_EQ(v.def, 1);
    EXPECT_EQ(v.armor, 0);
}

TEST(Blacksmith, OneGoldShortChangesNothing) {
    vars v;
    v.gold = 24;
    int keys = -1;
    EXPECT_EQ(visit(v, "1\n", &keys),
              titleline + pricelist + "Gold:    24      ? \nnot enough money!!\n[key]");
    EXPECT_EQ(keys, 1);
    EXPECT_EQ(v.gold, 24);
    EXPECT_EQ(v.atk, 1);
    EXPECT_EQ(v.weapon, 0);
}

TEST(Blacksmith, ABoughtItemReplacesWhateverIsCarried) {
    vars v;
    v.gold = 5025;
    visit(v, "10\n");
    EXPECT_EQ(v.atk, 75);
    EXPECT_EQ(v.weapon, 10);
    visit(v, "1\n");  // the weaker knife is sold all the same
    EXPECT_EQ(v.atk, 5);
    EXPECT_EQ(v.weapon, 1);
    EXPECT_EQ(v.gold, 0);

    vars c;
    c.gold = 300;
    c.armor = 3;
    c.def = 15;
    visit(c, "13\n");  // the chain mail already worn is charged again
    EXPECT_EQ(c.gold, 25);
    EXPECT_EQ(c.def, 15);
    EXPECT_EQ(c.armor, 3);
    c.gold = 6025;
    visit(c, "20\n");
    EXPECT_EQ(c.gold, 25);
    EXPECT_EQ(c.def, 85);
    EXPECT_EQ(c.armor, 10);
    EXPECT_EQ(c.atk, 1);
    EXPECT_EQ(c.weapon, 0);
}

TEST(Blacksmith, ChoicesThatNameNothingSendTheKnightAway) {
    for (const char* typed : {"21\n", "22\n", "0\n", "-3\n", "abc\n", "99999999999\n"}) {
        vars v;
        v.gold = 30000;
        int keys = -1;
        EXPECT_EQ(visit(v, typed, &keys),
                  titleline + pricelist + "Gold: 30000      ? Then LEAVE!![key]")
            << typed;
        EXPECT_EQ(keys, 1) << typed;
        EXPECT_EQ(v.gold, 30000) << typed;
        EXPECT_EQ(v.atk, 1) << typed;
        EXPECT_EQ(v.def, 1) << typed;
    }
}

TEST(Blacksmith, JunkLeavesTheNextPromptFreshInput) {
    for (const char* junk : {"abc def\n", "99999999999 x\n"}) {
        Session s(std::string(junk) + "q\n");
        vars v;
        s.run([&] { blacksmith(v); });
        EXPECT_EQ(readanswer(), 'q') << junk;
    }
}

TEST(Blacksmith, ThroughTheMainMenu) {
    // Junk at the blacksmith's prompt leaves the main menu's next answer
    // alone: the knight leaves the shop, then the game.
    Session s("n\nAyla\nb\nsword\ne\n");
    const std::vector<std::string> shown = screens(s.run([&] { play(); }));
    EXPECT_FALSE(s.ended());
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(shown[4], titleline.substr(7) + pricelist + "Gold:     0      ? Then LEAVE!![key]");
    EXPECT_EQ(shown[5],
              titleline.substr(7) +
                  "(M)onsters\n(Q)uest\n(B)lacksmith\nMa(g)ic Shop\n(I)nn\n(S)tats\nS(a)ve\n"
                  "(E)xit\n? \nGoodbye!!\n\n[key]");
}

}  // namespace
}  // namespace emberfell::testing
