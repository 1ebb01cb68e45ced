// The fight's pieces: the dice, the player's turn, its spells and their
// costs, the paid flight, the companions, the outcome test and death.

#include <gtest/gtest.h>

#include <string>

#include "character/record.h"
#include "combat/combat.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

std::string turnscreen(const vars& v) {
    return titleline + "HP: " + std::to_string(v.hp) + "/" + std::to_string(v.maxhp) +
           "\nMP: " + std::to_string(v.mp) + "/" + std::to_string(v.maxmp) +
           "\n1) Attack\n2) Magic\n3) Run\n? ";
}

struct Fight {
    int enemyhp;
    int outcome = 0;
    std::string turn(Session& s, vars& v) {
        return s.run([&] { battle(enemyhp, v, outcome); });
    }
};

TEST(Random, SameSecondSameRoll) {
    Session s;
    for (int roll : {1, 2, 3}) {
        s.con.settime(ScriptedConsole::timefor(roll));
        EXPECT_EQ(random(), roll);
        EXPECT_EQ(random(), roll);
    }
}

TEST(Attack, RollsChooseTheBlowAndOtherAnswersAskAgain) {
    vars v;
    Session s("abc\n7\n99999999999999\n1\n1\n");
    Fight f{10};
    s.con.rolls({1, 3});
    EXPECT_EQ(f.turn(s, v), turnscreen(v) + turnscreen(v) + turnscreen(v) + turnscreen(v) +
                                "You attack\n Slash: -4 enemy HP\n");
    EXPECT_EQ(f.outcome, 0);
    // A blow to exactly 0 kills.
    EXPECT_EQ(f.turn(s, v),
              turnscreen(v) + "You attack\n Slash: -6 enemy HP\n\nEnemy defeated!!\n[key]");
    EXPECT_EQ(f.outcome, 1);
    EXPECT_EQ(v.kills, 1);
}

TEST(Magic, CostsByWisdomAndCureIsNotRoundedDown) {
    vars wise;
    wise.wis = 500;
    wise.spells = 11;
    Session t("2\n0\n1\n");
    Fight f{100};
    EXPECT_EQ(screens(f.turn(t, wise))[0], turnscreen(wise).substr(7) + R"(Spells:
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
    // Wisdom 3: Cure costs 3333.33 MP, listed as 3333, but 3333 MP is short.
    vars v;
    v.wis = 3;
    v.spells = 1;
    v.maxmp = 5000;
    v.mp = 3333;
    v.hp = 1;
    const std::string list = "Spells:\n1) Cure --------------- 3333 MP\n0) Don't cast anything\n? ";
    Session s("2\n1\n1\n");
    EXPECT_EQ(f.turn(s, v), turnscreen(v) + list + "You attack\n\nnot enough MP!!\n[key]" +
                                turnscreen(v) + "You attack\n Slash: -4 enemy HP\n");
    EXPECT_EQ(v.mp, 3333);
    v.mp = 3334;
    Session u("2\n1\n");
    EXPECT_EQ(f.turn(u, v), turnscreen(v) + list + "You attack\n Cure: +203 HP\n");
    EXPECT_EQ(v.mp, 0);
    EXPECT_EQ(v.hp, 10);
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
    EXPECT_EQ(f.turn(s, v), turnscreen(v) + ask + "\nnot enough money!!\n[key]" + turnscreen(v) +
                                ask + turnscreen(v) + "You attack\n Slash: -4 enemy HP\n");
    EXPECT_EQ(v.gold, 9);
    // A paid flight skips the outcome test: a monster at 0 is not defeated.
    v.gold = 10;
    Session t("3\nY\n");
    Fight g{0};
    EXPECT_EQ(g.turn(t, v), turnscreen(v) + ask + "You ran away!!\n[key]");
    EXPECT_EQ(v.gold, 0);
    EXPECT_EQ(g.outcome, 2);
    EXPECT_EQ(v.kills, 0);
}

TEST(Group, OneRollPerCompanionInActingOrder) {
    vars v;
    v.party[thatch] = 1;
    v.party[duran] = 1;
    v.party[garath] = 2;  // only exactly 1 counts
    int enemyhp = 500;
    Session s;
    s.con.rolls({2, 3});
    EXPECT_EQ(
        s.run([&] { group(enemyhp, v); }),
        "Duran attacks\n Slash: -100 enemy HP\nThatch attacks\n Backstab: -20 enemy HP\n[key]");
    EXPECT_EQ(enemyhp, 380);
}

TEST(Winlose, MonsterDeathIsTestedFirstThenTheKnights) {
    vars v;
    v.hp = -3;
    Session s;
    int result = -1;
    EXPECT_EQ(s.run([&] { result = winlose(0, v); }), "\nEnemy defeated!!\n[key]");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(v.hp, 1);  // back up at 1 HP
    v.hp = 5;
    EXPECT_EQ(s.run([&] { result = winlose(1, v); }), "");
    EXPECT_EQ(result, 0);
    EXPECT_EQ(v.kills, 1);
}

TEST(Death, TextByTheRollThenGameOverAndStatusZero) {
    const std::string firstline[3] = {"You feel faint from lack of blood.\n",
                                      "Your stomach is sliced open\n",
                                      "That gash on your leg was worse than\n"};
    for (int roll = 1; roll <= 3; ++roll) {
        vars v;
        v.hp = 0;
        Session s;
        s.con.rolls({roll});
        const std::string shown = s.run([&] { winlose(10, v); });
        EXPECT_EQ(shown.substr(titleline.size(), firstline[roll - 1].size()), firstline[roll - 1]);
        EXPECT_TRUE(s.ended());
        EXPECT_EQ(s.status(), 0);
        if (roll == 2) {
            EXPECT_EQ(shown, titleline + R"(Your stomach is sliced open
and you are left alone to stare in
disbelief as your insides fall out into
your hands.
[key])" + "\n\n\n\n\n\n\n\n\n\n              Game Over\n\n\n[key]");
        }
    }
}

}  // namespace
}  // namespace emberfell::testing
