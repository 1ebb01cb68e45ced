// Whole fights through the encounter routine: the common course of a fight,
// the reward, flight, death, the monsters with rules of their own, and
// values from an edited save that must not overflow.
//
// Draws of the dice, in the order they happen: the player's attack roll in
// the turn, the monster's blow, one per joined companion, one in the death
// screen.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "character/record.h"
#include "encounters/encounters.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

std::string turn(int hp, int maxhp, int mp = 5, int maxmp = 5) {
    return titleline + "HP: " + std::to_string(hp) + "/" + std::to_string(maxhp) +
           "\nMP: " + std::to_string(mp) + "/" + std::to_string(maxmp) +
           "\n1) Attack\n2) Magic\n3) Run\n? ";
}

std::string hit(int damage) {
    return "You attack\n Slash: -" + std::to_string(damage) + " enemy HP\n";
}

// The monster's blow after a turn it survived, up to the line end of step 7.
std::string blow(const std::string& lines, const std::string& defense) {
    return "\nEnemy attacks\n" + lines + "Defense value: " + defense + "\n\n";
}

const std::string killed = "\nEnemy defeated!!\n[key]\n\n";

vars knight(int str, int hp, int maxhp) {
    vars v;
    v.str = str;
    v.atk = 0;
    v.hp = hp;
    v.maxhp = maxhp;
    return v;
}

TEST(Encounter, GoblinWholeFight) {
    vars v = knight(17, 100, 100);  // strikes for 34; defense 2
    v.level = 4;
    v.expneed = 25;
    Session s("1\n1\n");
    s.con.rolls({1, 2, 1});
    const std::string fight = s.run([&] { goblin(v); });
    EXPECT_EQ(fight, titleline + "You found a goblin\n[key]" + turn(100, 100) + hit(34) +
                         blow(" Slash: -10 HP\n", "2") + "[key]" + turn(92, 100) + hit(34) +
                         killed + titleline + R"(
You stab the goblin through the heart

Found 8 gold
Gained 6 experience
[key])");
    EXPECT_FALSE(s.ended());
    EXPECT_EQ(v.hp, 92);
    EXPECT_EQ(v.gold, 8);
    EXPECT_EQ(v.exp, 6);
    EXPECT_EQ(v.kills, 1);
}

TEST(Encounter, GoldFoundUsesTheLevelBeforeTheLevelUp) {
    vars v = knight(50, 100, 100);
    v.level = 4;
    v.exp = 19;
    v.expneed = 25;
    Session s("1\ns\ns\ns\n");
    s.con.rolls({1});
    const auto shown = screens(s.run([&] { goblin(v); }));
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[2],
              "                             Emberfell\n\n"
              "\nYou stab the goblin through the heart\n\nFound 8 gold\n"
              "Gained 6 experience\n[key]");
    EXPECT_EQ(v.gold, 8);
    EXPECT_EQ(v.level, 5);
    EXPECT_EQ(v.exp, 0);
}

TEST(Encounter, SquirrelAgainstDefenseTwoAndFive) {
    struct armour {
        int def;       // defense value = vit 1 + def
        int after[3];  // hp after Claw (3), Bite (4) and Rabies (4)
    };
    for (const armour& a : {armour{1, {99, 97, 95}}, armour{4, {99, 98, 97}}}) {
        vars v = knight(0, 100, 100);  // strikes for 0
        v.def = a.def;
        const std::string shown = std::to_string(a.def + 1);
        Session s("1\n1\n1\n");
        s.con.rolls({1, 1, 1, 2, 1, 3});
        const std::string fight = s.run([&] { squirrel(v); });
        EXPECT_EQ(fight, titleline + "You found a rabid squirrel\n[key]" + turn(100, 100) + hit(0) +
                             blow(" Claw: -3 HP\n", shown) + "[key]" + turn(a.after[0], 100) +
                             hit(0) + blow(" Bite: -4 HP\n", shown) + "[key]" +
                             turn(a.after[1], 100) + hit(0) + blow(" Rabies: -4 HP\n", shown) +
                             "[key]" + turn(a.after[2], 100));
        EXPECT_TRUE(s.ended());  // the typed input ran out at the fourth turn
        EXPECT_EQ(v.hp, a.after[2]);
    }
}

TEST(Encounter, MonsterKilledByTheCompanionsEndsTheFight) {
    vars v = knight(0, 1000, 1000);
    v.expneed = 10000;
    v.party[elenium] = 1;
    Session s("1\n1\n");
    // Pass 1: the wizard's Cure takes it to 1800, Elenium's 1500 leaves it
    // alive above its start HP; pass 2: Cure again, then Tri-Slash.
    s.con.rolls({1, 1, 1, 1, 1, 2});
    const std::string cure = " Cure: +300 enemy HP\n";
    const std::string fight = s.run([&] { wizard(v); });
    EXPECT_EQ(fight, titleline + "You found an evil wizard\n[key]" + turn(1000, 1000) + hit(0) +
                         blow(cure, "2") + "Elenium attacks\n Sword Chop: -1500 enemy HP\n[key]" +
                         turn(1000, 1000) + hit(0) + blow(cure, "2") +
                         "Elenium attacks\n Tri-Slash: -4500 enemy HP\n[key]" +
                         "\nEnemy defeated!!\n[key]" + titleline +
                         "\nThe wizard disintegrates before your eyes\n\nFound 22 gold\n"
                         "Gained 120 experience\n[key]");
    EXPECT_EQ(v.hp, 1000);  // the Cure cost the knight nothing
    EXPECT_EQ(v.kills, 1);
}

TEST(Encounter, FlightPaysNothingAndKeepsThePrice) {
    vars v = knight(1, 500, 100);
    v.gold = 10;
    Session s("3\ny\n");
    const std::string fight = s.run([&] { goblin(v); });
    EXPECT_EQ(fight, titleline + "You found a goblin\n[key]" + turn(500, 100) + titleline +
                         "You will have to leave 2 gold behind to distract the monsters.\n"
                         "Are you going to run away?\n? You ran away!!\n[key]\n");
    EXPECT_FALSE(s.ended());
    EXPECT_EQ(v.gold, 8);
    EXPECT_EQ(v.exp, 0);
    EXPECT_EQ(v.hp, 100);  // the limit check still ran
}

TEST(Encounter, ABlowToExactlyZeroEndsTheGame) {
    vars v = knight(0, 1, 10);
    Session s("1\n");
    s.con.rolls({1, 1, 1});
    s.run([&] { squirrel(v); });
    EXPECT_TRUE(s.ended());
    EXPECT_EQ(s.status(), 0);
    EXPECT_EQ(v.hp, 0);
}

TEST(SpecialEncounters, GenieComputesItsBlowsAndIgnoresDefense) {
    vars v = knight(10, 101, 200);  // strikes for 20
    v.atk = 5;
    v.vit = 400;
    v.def = 400;
    Session s("1\n1\n1\n");
    s.con.rolls({1, 1, 1, 2, 1, 3});
    const std::string fight = s.run([&] { genie(v); });
    EXPECT_EQ(fight, titleline + "You found a genie\n[key]" + turn(101, 200) + hit(30) +
                         blow(" HP Drop: -50 HP\n", "0") + "[key]" + turn(51, 200) + hit(30) +
                         blow(" Copy: -15 HP\n", "0") + "[key]" + turn(36, 200) + hit(30) +
                         blow(" Reflect: -30 HP\n", "0") + "[key]" + turn(6, 200));
    EXPECT_EQ(v.hp, 6);

    vars frail;  // 10 HP, str 1, atk 1
    frail.hp = 1;
    Session t("1\n");
    t.con.rolls({1, 1});
    EXPECT_NE(t.run([&] { genie(frail); }).find(" HP Drop: -0 HP\nDefense value: 0\n"),
              std::string::npos);
    EXPECT_EQ(frail.hp, 1);
}

TEST(SpecialEncounters, EarthElementalMeetsHalfTheDefense) {
    vars v = knight(0, 2000, 2000);
    v.vit = 500;
    v.def = 500;
    Session s("1\n1\n1\n");
    s.con.rolls({1, 1, 1, 2, 1, 3});
    const std::string fight = s.run([&] { earthele(v); });
    EXPECT_EQ(fight, titleline + "You found an earth elemental\n[key]" + turn(2000, 2000) + hit(0) +
                         blow(" Bash: -250 HP\n", "1000") + "[key]" + turn(1874, 2000) + hit(0) +
                         blow(" Tremor: -300 HP\n", "1000") + "[key]" + turn(1723, 2000) + hit(0) +
                         blow(" Earthquake: -500 HP\n", "1000") + "[key]" + turn(1472, 2000));
}

TEST(SpecialEncounters, GiantKilledByItsOwnConfusionPaysInFull) {
    vars v = knight(475, 1000, 1000);  // strikes for 950: the giant is left at 400
    v.expneed = 10000;
    Session s("1\n1\n");
    s.con.rolls({1, 1, 1, 2});
    const std::string fight = s.run([&] { giant(v); });
    EXPECT_EQ(fight, titleline + "The mountain in front of you moves. It's a giant!!\n[key]" +
                         turn(1000, 1000) + hit(950) +
                         "\nEnemy attacks\n Blank Expression: -0 HP\nDefense value: 2\n\n[key]" +
                         turn(1000, 1000) + hit(950) +
                         "\nEnemy attacks\n Confusion: -1500 HP\n            -500 enemy HP\n"
                         "Defense value: 2\n" +
                         "\nEnemy defeated!!\n[key]\n" + titleline +
                         "\nThe giant falls and you narrowly avoid being squashed flat\n\n"
                         "Found 26 gold\nGained 200 experience\n[key]");
    EXPECT_EQ(v.hp, 1);  // the same blow felled the knight, but the giant fell first
    EXPECT_EQ(v.gold, 26);
    EXPECT_EQ(v.exp, 200);
    EXPECT_EQ(v.kills, 1);
}

TEST(SpecialEncounters, TrollRegeneratesUpToItsStartHp) {
    vars v = knight(50, 5000, 5000);  // strikes for 100, or 2200 on a roll of 3
    v.level = 1050;
    Session s("1\n1\n1\n");
    s.con.rolls({1, 2, 1, 1, 3});
    const std::string regen = "The troll's skin regenerates: +250 enemy hp\n\n";
    const std::string fight = s.run([&] { troll(v); });
    EXPECT_EQ(fight, titleline + "It's a troll!!\n[key]" + turn(5000, 5000) + hit(100) +
                         blow(" Confused Swing: -1500 HP\n                 -250 enemy HP\n", "2") +
                         regen + "[key]" + turn(3502, 5000) + hit(100) +
                         blow(" Blank Expression: -0 HP\n", "2") + regen + "[key]" +
                         turn(3502, 5000) + hit(2200) + killed + titleline +
                         "\nThe troll finally stops moving\n\nFound 125 gold\n"
                         "Gained 200 experience\n[key]");
    EXPECT_EQ(v.kills, 1);
}

TEST(SpecialEncounters, BasiliskGlaresOnRollsTwoAndThree) {
    vars v = knight(0, 1000, 1000);
    Session s("1\n1\n1\n");
    s.con.rolls({1, 2, 1, 3, 1, 1});
    const std::string fight = s.run([&] { basilisk(v); });
    EXPECT_EQ(fight, titleline +
                         "The bush in front of you suddenly shrivels up. From around its dried "
                         "husk\ncomes a giant lizard with a penetrating glare, a basilisk\n[key]" +
                         turn(1000, 1000) + hit(0) + blow(" Glare: -250 HP\n", "2") + "[key]" +
                         turn(752, 1000) + hit(0) + blow(" Glare: -250 HP\n", "2") + "[key]" +
                         turn(504, 1000) + hit(0) + blow(" Claw Swipe: -500 HP\n", "2") + "[key]" +
                         turn(6, 1000));
}

TEST(SpecialEncounters, SmileyFaceGrinsForAQuarterOfTheHp) {
    vars v = knight(0, 1000, 1000);
    Session s("1\n1\n1\n");
    s.con.rolls({1, 3, 1, 3, 1, 1});
    const std::string fight = s.run([&] { face(v); });
    EXPECT_EQ(fight, titleline +
                         "You see a strange face etched into a rock. As you come closer, it "
                         "starts\nto move\n[key]It's a...smiley face!?!\n[key]" +
                         turn(1000, 1000) + hit(0) + blow(" Evil Grin: -250 HP\n", "2") + "[key]" +
                         turn(752, 1000) + hit(0) + blow(" Evil Grin: -188 HP\n", "2") + "[key]" +
                         turn(566, 1000) + hit(0) + blow(" Smile: -550 HP\n", "2") + "[key]" +
                         turn(18, 1000));
}

std::string flight(int price) {
    return titleline + "You will have to leave " + std::to_string(price) +
           " gold behind to distract the monsters.\nAre you going to run away?\n? "
           "You ran away!!\n[key]\n";
}

TEST(SpecialEncounters, FirstKingOfDragonsFightRefusesFlightAndPaysNoGold) {
    vars v = knight(15000, 10000, 10000);  // strikes for 30000
    v.level = 100;
    v.exp = 0;
    v.expneed = 0;
    v.gold = 1000;
    Session s("3\ny\n1\n");
    s.con.rolls({1, 1});
    const std::string fight = s.run([&] { kingdrag1(v); });
    EXPECT_EQ(fight, titleline + "The King of Dragons roars and attacks!!\n[key]" +
                         turn(10000, 10000) + flight(200) + "Can't run!!\n\n" +
                         "Enemy attacks\n Claw Combo: -3000 HP\nDefense value: 2\n\n[key]" +
                         turn(7002, 10000) + hit(30000) + killed + titleline +
                         "\nThe dragon king stumbles\n\nGained 5000 experience\n[key]");
    EXPECT_EQ(v.gold, 800);  // the price of the refused flight stays paid
    EXPECT_EQ(v.kills, 1);
}

TEST(SpecialEncounters, SecondKingOfDragonsFightIgnoresArmourAndCompanions) {
    vars v = knight(5500, 10000, 10000);  // strikes for 11000
    v.level = 100;
    v.expneed = 0;
    v.gold = 1000;
    v.vit = 500;
    v.def = 5000;
    for (int& joined : v.party) joined = 1;
    Session s("3\ny\n1\n1\n");
    s.con.rolls({3, 1, 1, 1});  // no draws for the companions: they never strike
    const std::string fight = s.run([&] { kingdrag2(v); });
    EXPECT_EQ(fight, titleline + "You attack the King of Dragons!!\n[key]" + turn(10000, 10000) +
                         flight(200) + "Can't run!!\n\n" +
                         "Enemy attacks\n Drink From Healing Spring: +2000 enemy HP\n"
                         "Defense value: ignored\n\n" +
                         turn(10000, 10000) + hit(11000) +
                         "\nEnemy attacks\n Claw Combo: -3000 HP\nDefense value: ignored\n\n" +
                         turn(7000, 10000) + hit(11000) + killed + titleline +
                         "\nThe dragon king lets out one last roar and dies\n[key]");
    EXPECT_EQ(v.gold, 800);
    EXPECT_EQ(v.exp, 0);
    EXPECT_EQ(v.kills, 1);
}

TEST(EditedSaves, HugeOrNegativeDefenseDoesNotOverflow) {
    vars v = knight(0, INT_MAX, INT_MAX);
    v.vit = INT_MAX;
    v.def = INT_MAX;
    Session s("1\n");
    s.con.rolls({1, 1});
    const std::string fight = s.run([&] { goblin(v); });
    EXPECT_NE(fight.find("Defense value: 2147483647\n"), std::string::npos);
    EXPECT_EQ(v.hp, INT_MAX - 1);

    vars w = knight(0, INT_MAX, INT_MAX);
    w.vit = INT_MIN;
    w.def = -5;
    Session t("1\n");
    t.con.rolls({1, 1, 1});
    const std::string death = t.run([&] { earthele(w); });
    EXPECT_NE(death.find("Defense value: -2147483648\n"), std::string::npos);
    EXPECT_TRUE(t.ended());  // INT_MAX - 250 + INT_MIN / 2 is far below 0
    EXPECT_EQ(w.hp, INT_MAX - 250 - 1073741824);
}

TEST(EditedSaves, GenieAndRewardsSaturate) {
    vars v = knight(INT_MAX, INT_MAX, INT_MAX);
    v.atk = INT_MAX;
    v.expneed = INT_MAX;
    v.exp = INT_MAX;
    Session s("1\nv\nv\nv\n");
    s.con.rolls({1});  // the knight's blow saturates and kills at once
    s.run([&] { genie(v); });
    EXPECT_EQ(v.exp, 0);  // INT_MAX + 75 held at INT_MAX, then spent on the level

    // Stats far below zero: the knight's blow heals the genie to the top of
    // the range, and its Reflect, worked out from them, gives HP back.
    vars w = knight(INT_MIN, 10, 10);
    w.atk = INT_MIN;
    Session t("1\n");
    t.con.rolls({1, 3});
    EXPECT_NE(t.run([&] { genie(w); }).find(" Reflect: --2147483648 HP\nDefense value: 0\n"),
              std::string::npos);
    EXPECT_EQ(w.hp, INT_MAX);
}

}  // namespace
}  // namespace emberfell::testing
