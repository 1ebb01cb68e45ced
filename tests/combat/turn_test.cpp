// The player's turn: attack, the spell list and its costs, spells' effects,
// and the paid flight.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "character/record.h"
#include "combat/combat.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

const std::string menu = "1) Attack\n2) Magic\n3) Run\n? ";

std::string turnscreen(const vars& v) {
    return titleline + "HP: " + std::to_string(v.hp) + "/" + std::to_string(v.maxhp) +
           "\nMP: " + std::to_string(v.mp) + "/" + std::to_string(v.maxmp) + "\n" + menu;
}

struct Fight {
    int enemyhp;
    int outcome = 0;
};

std::string turn(Session& s, vars& v, Fight& f) {
    return s.run([&] { battle(f.enemyhp, v, f.outcome); });
}

TEST(Random, SameSecondSameRoll) {
    Session s;
    for (int roll : {1, 2, 3}) {
        s.con.settime(ScriptedConsole::timefor(roll));
        EXPECT_EQ(random(), roll);
        EXPECT_EQ(random(), roll);
    }
}

TEST(Attack, NewKnightStrikesForFourOrSixOnARollOfThree) {
    vars v;
    Session s("1\n1\n");
    Fight f{100};
    s.con.rolls({1, 3});
    EXPECT_EQ(turn(s, v, f), turnscreen(v) + "You attack\n Slash: -4 enemy HP\n");
    EXPECT_EQ(f.enemyhp, 96);
    EXPECT_EQ(f.outcome, 0);
    EXPECT_EQ(turn(s, v, f), turnscreen(v) + "You attack\n Slash: -6 enemy HP\n");
    EXPECT_EQ(f.enemyhp, 90);
}

TEST(Attack, ABlowToExactlyZeroKills) {
    vars v;
    Session s("1\n");
    Fight f{4};
    s.con.rolls({2});
    EXPECT_EQ(turn(s, v, f),
              turnscreen(v) + "You attack\n Slash: -4 enemy HP\n\nEnemy defeated!!\n[key]");
    EXPECT_EQ(f.outcome, 1);
    EXPECT_EQ(v.kills, 1);
}

TEST(Attack, HugeValuesFromASaveDoNotOverflow) {
    vars v;
    v.str = INT_MAX;
    v.atk = INT_MAX;
    v.level = INT_MAX;
    Session s("1\n");
    Fight f{INT_MIN + 5};
    s.con.rolls({3});
    turn(s, v, f);
    EXPECT_EQ(f.enemyhp, INT_MIN);
}

TEST(Menu, OtherAnswersShowTheMenuAgain) {
    vars v;
    Session s("abc\n7\n-1\n99999999999999\n1\n");
    Fight f{100};
    const std::string shown = turn(s, v, f);
    std::string expected;
    for (int i = 0; i < 5; ++i) expected += turnscreen(v);
    EXPECT_EQ(shown, expected + "You attack\n Slash: -4 enemy HP\n");
}

TEST(Magic, NoSpellsOwned) {
    vars v;
    Session s("2\n1\n");
    Fight f{100};
    EXPECT_EQ(turn(s, v, f), turnscreen(v) + "Spells:\n  none\n[key]" + turnscreen(v) +
                                 "You attack\n Slash: -4 enemy HP\n");
}

TEST(Magic, ListNewestFirstWithCostsByWisdom) {
    vars v;
    v.spells = 3;
    Session s("2\n4\n2\n-1\n2\n0\n1\n");
    Fight f{100};
    const std::string list = R"(Spells:
3) Fireball ----------- 30000 MP
2) Water Blast -------- 20000 MP
1) Cure --------------- 10000 MP
0) Don't cast anything
? )";
    // 4 is not owned, -1 names nothing and 0 cancels: each brings the menu
    // back at no cost.
    std::string expected;
    for (int i = 0; i < 3; ++i) expected += turnscreen(v) + list;
    EXPECT_EQ(turn(s, v, f), expected + turnscreen(v) + "You attack\n Slash: -4 enemy HP\n");
    EXPECT_EQ(v.mp, 5);

    vars wise;
    wise.wis = 500;
    wise.spells = 11;
    Session t("2\n0\n1\n");
    EXPECT_EQ(screens(turn(t, wise, f))[0], R"(                             Emberfell

HP: 10/10
MP: 5/5
1) Attack
2) Magic
3) Run
? Spells:
11) Apocalypse -------- 240 MP
10) Life -------------- 200 MP
9) Lightning Storm ---- 180 MP
8) Avalanche ---------- 160 MP
7) Melt --------------- 140 MP
6) Freeze ------------- 120 MP
5) Tornado ------------ 100 MP
4) Earthquake --------- 80 MP
3) Fireball ----------- 60 MP
2) Water Blast -------- 40 MP
1) Cure --------------- 20 MP
0) Don't cast anything
? )");
}

TEST(Magic, CureCostIsNotRoundedDown) {
    // With wisdom 3, Cure costs 3333.33 MP: listed as 3333, but 3333 MP is
    // not enough.
    vars v;
    v.wis = 3;
    v.spells = 1;
    v.maxmp = 5000;
    v.mp = 3333;
    v.hp = 1;
    Session s("2\n1\n1\n");
    Fight f{100};
    const std::string list = "Spells:\n1) Cure --------------- 3333 MP\n0) Don't cast anything\n? ";
    EXPECT_EQ(turn(s, v, f), turnscreen(v) + list + "You attack\n\nnot enough MP!!\n[key]" +
                                 turnscreen(v) + "You attack\n Slash: -4 enemy HP\n");
    EXPECT_EQ(v.mp, 3333);
    EXPECT_EQ(v.hp, 1);

    v.mp = 3334;
    Session t("2\n1\n");
    const std::string before = turnscreen(v);
    EXPECT_EQ(turn(t, v, f), before + list + "You attack\n Cure: +203 HP\n");
    EXPECT_EQ(v.mp, 0);
    EXPECT_EQ(v.hp, 10);  // 203 healed, capped at maxhp
}

TEST(Magic, WaterBlastAndLifeAtFullHealth) {
    // Will 1 gives a power factor of 1.00133: 200.27 shown as 200, and
    // 1000 - 200.27 leaves 799.
    vars v;
    v.spells = 10;
    v.wis = 500;
    v.maxmp = 500;
    v.mp = 500;
    Session s("2\n2\n2\n10\n");
    Fight f{1000};
    std::string shown = turn(s, v, f);
    EXPECT_EQ(shown.substr(shown.rfind("? ") + 2), "You attack\n Water Blast: -200 enemy HP\n");
    EXPECT_EQ(f.enemyhp, 799);
    EXPECT_EQ(v.mp, 460);

    // Life at full health heals nothing and still costs its MP.
    shown = turn(s, v, f);
    EXPECT_EQ(shown.substr(shown.rfind("? ") + 2), "You attack\n Life: +0 HP\n");
    EXPECT_EQ(v.mp, 260);
    EXPECT_EQ(f.enemyhp, 799);
}

TEST(Magic, OddWisdomFromASaveIsHarmless) {
    // Wisdom 0 makes every spell cost without end: listed at the top of the
    // range and refused.
    vars v;
    v.wis = 0;
    v.spells = 1;
    v.mp = 2147483647;
    v.maxmp = 2147483647;
    Session s("2\n1\n-1\n");
    Fight f{100};
    EXPECT_EQ(screens(turn(s, v, f))[0], R"(                             Emberfell

HP: 10/10
MP: 2147483647/2147483647
1) Attack
2) Magic
3) Run
? Spells:
1) Cure --------------- 2147483647 MP
0) Don't cast anything
? You attack

not enough MP!!
[key])");
    EXPECT_EQ(f.enemyhp, 100);

    // Negative wisdom makes spells free; values at the ends of the range
    // saturate.
    for (int wis : {-1, INT_MIN}) {
        vars w;
        w.wis = wis;
        w.spells = 12;
        Session t("2\n12\n2\n1\n");
        Fight g{INT_MIN + 5};
        turn(t, w, g);
        EXPECT_EQ(g.enemyhp, INT_MIN) << wis;
        w.hp = INT_MAX - 10;
        w.maxhp = INT_MAX;
        g.enemyhp = 100;
        turn(t, w, g);
        EXPECT_EQ(w.hp, INT_MAX) << wis;
    }
}

TEST(Run, PriceIsTwiceTheLevel) {
    vars v;
    v.level = 5;
    v.gold = 9;
    const std::string ask = titleline +
                            "You will have to leave 10 gold behind to distract the monsters.\n"
                            "Are you going to run away?\n? ";
    Session s("3\ny\n3\nn\n1\n");
    Fight f{100};
    s.con.rolls({1});
    EXPECT_EQ(turn(s, v, f), turnscreen(v) + ask + "\nnot enough money!!\n[key]" + turnscreen(v) +
                                 ask + turnscreen(v) + "You attack\n Slash: -4 enemy HP\n");
    EXPECT_EQ(v.gold, 9);

    // A paid flight leaves the monster as it is and skips the outcome test:
    // a monster already at 0 is not announced as defeated.
    v.gold = 10;
    Session t("3\nY\n");
    Fight g{0};
    EXPECT_EQ(turn(t, v, g), turnscreen(v) + ask + "You ran away!!\n[key]");
    EXPECT_EQ(v.gold, 0);
    EXPECT_EQ(v.kills, 0);
    EXPECT_EQ(g.outcome, 2);
    EXPECT_EQ(g.enemyhp, 0);
}

TEST(Run, LowestLevelFromASaveDoesNotOverflow) {
    vars v;
    v.level = INT_MIN;
    Session s("3\ny\n");
    Fight f{100};
    EXPECT_EQ(screens(turn(s, v, f))[1], R"(                             Emberfell

You will have to leave -2147483648 gold behind to distract the monsters.
Are you going to run away?
? You ran away!!
[key])");
    EXPECT_EQ(v.gold, INT_MAX);  // the limits trim it after the fight
}

}  // namespace
}  // namespace emberfell::testing
