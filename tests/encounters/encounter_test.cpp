// The monster menu, the bestiary held against its source (each monster's start
// HP, gold bonus, experience and blows, seen in short fights), and whole
// fights: a plain monster, the monsters with rules of their own and edited
// saves. Draws of the dice, in order: the player's attack, the monster's
// blow, one per joined companion, one at death.

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <string>
#include <utility>

#include "character/record.h"
#include "combat/combat.h"
#include "encounters/encounters.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

// A knight whose weapon adds nothing, far from the next level.
vars knight(int str, int hp) {
    return {.maxhp = hp, .str = str, .atk = 0, .expneed = 1 << 30, .hp = hp};
}

auto fighting(beast b) {
    return [b](vars& v) { encounter(b, v); };
}

// Every one of these lines is in the transcript, in this order.
void expectlines(const std::string& shown, std::initializer_list<std::string> lines) {
    std::size_t at = 0;
    for (const std::string& line : lines) {
        at = shown.find(line, at);
        ASSERT_NE(at, std::string::npos) << line << "\nin:\n" << shown;
    }
}

TEST(MonsterMenu, ListedUnlistedAndANumberThatNamesNothing) {
    const std::string menu = titleline + R"(1) Rabid Squirrel         16) Corrupted Knight
2) Killer Rabbit          17) Evil Wizard
3) Snake                  18) Golem
4) Imp                    19) Giant
5) Goblin                 20) Basilisk
6) Bear                   21) Wind Elemental
7) Night Stalker          22) Demon
8) Water Elemental        23) Destruction Elemental
9) Thief                  24) Sapphire Dragon
10) Ogre                  25) Emerald Dragon
11) Fire Elemental        26) Ruby Dragon
12) Genie                 27) Diamond Dragon
13) Centaur               28) Onyx Dragon
14) Harpy                 29) Gold Dragon
15) Earth Elemental       30) Moon Dragon
00) I do not wish to fight at this time
Enter monster number: )";
    vars v;
    EXPECT_EQ(visit(monster, v, "31\n"), menu);
    const std::pair<const char*, std::string> chosen[] = {
        {"5\n", "You found a goblin\n[key]"},
        {"619\n", "You see something poke its head out of a hole in the trunk of a tree\n"},
        {"894\n", "You see a shiny speck in the sky\n"},
        {"3692\n", "A shadow slides across the ground towards you\n"},
        {"35420\n", "The air seems to move. Two burning red eyes open and glare at you.\n"},
        {"91890\n", "You see a strange face etched into a rock. As you come closer"}};
    for (const auto& [typed, intro] : chosen) {
        const std::string shown = visit(monster, v, typed);
        EXPECT_EQ(shown.substr(0, menu.size() + titleline.size() + intro.size()),
                  menu + titleline + intro);
    }
}

struct row {
    beast fight;
    int starthp, goldbonus, experience;
    int blows[3];  // for the rolls 1, 2 and 3
};

// clang-format off
constexpr row bestiary[] = {
 // monster          start HP gold   exp  blows
    {beast::squirrel,           10,   1,    1, {   3,    4,    4}},
    {beast::rabbit,             20,   2,    2, {   4,    5,    5}},
    {beast::snake,              30,   3,    3, {   5,    6,    7}},
    {beast::imp,                45,   3,    4, {   4,    7,   10}},
    {beast::goblin,             65,   4,    6, {   7,   10,   20}},
    {beast::bear,              135,   6,   15, {  15,   20,   35}},
    {beast::nightstalker,      160,   8,   15, {  20,   27,   32}},
    {beast::waterele,          220,   9,   17, {  35,   45,   51}},
    {beast::thief,             300,  15,   18, {  25,   50,   63}},
    {beast::ogre,              415,  10,   35, {  55,   65,   80}},
    {beast::fireele,           455,  11,   45, {  75,   85,  110}},
    {beast::genie,             535,  12,   75, {}},  // special blows: below
    {beast::centaur,           680,  13,   75, { 100,  150,  200}},
    {beast::harpy,             720,  15,   95, { 100,  250,  300}},
    {beast::earthele,          900,  17,  100, { 250,  300,  500}},
    {beast::knight,           1100,  20,  110, { 400,  550,  700}},
    {beast::wizard,           1500,  21,  120, {}},  // special blows: below
    {beast::golem,            2000,  23,  150, { 800, 1000, 1500}},
    {beast::giant,            2300,  25,  200, {}},  // special blows: below
    {beast::basilisk,         2100,  27,  220, {}},  // special blows: below
    {beast::windele,          2500,  30,  250, {1000, 1300, 1600}},
    {beast::demon,            2800,  32,  270, {1100, 1400, 1800}},
    {beast::destructionele,   3000,  35,  290, {1100, 1500, 2500}},
    {beast::sapphiredrag,     5000,  50,  350, {2000, 2000, 2200}},
    {beast::emeralddrag,      6000,  55,  400, {2000, 2200, 2400}},
    {beast::rubydrag,         7000,  60,  450, {2100, 2300, 2500}},
    {beast::diamonddrag,      8000,  65,  500, {2300, 2400, 2600}},
    {beast::onyxdrag,         9000,  70,  550, {2200, 2500, 2700}},
    {beast::golddrag,        10000,  80,  600, {2400, 2500, 2800}},
    {beast::moondrag,        11000, 100,  650, {2500, 2800, 3000}},
    {beast::snape,              25,   5,   10, {   5,    5,    6}},
    {beast::dragonfly,         500,  10,  100, { 290,  300,  350}},
    {beast::shadowcat,        1000,  15,  200, { 330,  350,  370}},
    {beast::face,             2000,  45,  300, {}},  // special blows: below
    {beast::crystaldrag,     12000, 200, 1000, {2600, 2900, 3200}},
    {beast::guildmaster,      2000, 500,  450, { 700,  850, 1000}},
    {beast::skeleton,         1000,  15,  100, { 400,  500,  600}},
    {beast::troll,            2200,  25,  200, {}},  // special blows: below
    {beast::demonlord,        5000, 500, 1000, {1400, 1800, 2000}},
};
// clang-format on

// A blow of exactly the start HP (one more where that is odd) wins and pays;
// one of two less does not win; a knight who does no harm and has no defense
// loses the three blows in turn.
TEST(Bestiary, EveryMonstersNumbers) {
    for (const row& r : bestiary) {
        const int blow = r.starthp + r.starthp % 2;
        const int lots = 1 << 30;
        vars v{.str = blow / 2, .atk = 0, .expneed = lots};
        const std::string won = visit(fighting(r.fight), v, "1\n", {1});
        EXPECT_NE(won.find("\nFound " + std::to_string(1 + r.goldbonus) + " gold\nGained " +
                           std::to_string(r.experience) + " experience\n"),
                  std::string::npos)
            << won;
        vars w{.maxhp = lots, .str = blow / 2 - 1, .atk = 0, .expneed = lots, .hp = lots};
        EXPECT_EQ(visit(fighting(r.fight), w, "1\n", {1, 1}).find("Enemy defeated"),
                  std::string::npos)
            << r.starthp;
        if (r.blows[0] == 0) continue;
        vars u{.maxhp = lots, .str = 0, .vit = 0, .atk = 0, .def = 0, .expneed = lots, .hp = lots};
        visit(fighting(r.fight), u, "1\n1\n1\n", {1, 1, 1, 2, 1, 3});
        EXPECT_EQ(lots - u.hp, r.blows[0] + r.blows[1] + r.blows[2]) << r.starthp;
    }
}

TEST(Encounter, GoblinWholeFight) {
    vars v{.maxhp = 100, .str = 17, .atk = 0, .level = 4, .expneed = 25, .hp = 100};  // 34 a blow
    const auto shown = screens(visit(fighting(beast::goblin), v, "1\n1\n", {1, 2, 1}));
    const std::string title = titleline.substr(7);
    const std::string menu = "1) Attack\n2) Magic\n3) Run\n? You attack\n Slash: -34 enemy HP\n";
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0], title + "You found a goblin\n[key]");
    EXPECT_EQ(shown[1], title + "HP: 100/100\nMP: 5/5\n" + menu +
                            "\nEnemy attacks\n Slash: -10 HP\nDefense value: 2\n\n[key]");
    EXPECT_EQ(shown[2], title + "HP: 92/100\nMP: 5/5\n" + menu + "\nEnemy defeated!!\n[key]\n\n");
    EXPECT_EQ(shown[3], title + R"(
You stab the goblin through the heart

Found 8 gold
Gained 6 experience
[key])");
}

TEST(SpecialEncounters, GenieIgnoresDefenseAndEarthElementalMeetsHalfOfIt) {
    vars v{.maxhp = 200, .str = 10, .vit = 400, .atk = 5, .def = 400, .hp = 101};  // 30 a blow
    expectlines(visit(fighting(beast::genie), v, "1\n1\n1\n", {1, 1, 1, 2, 1, 3}),
                {" HP Drop: -50 HP\nDefense value: 0\n", " Copy: -15 HP\nDefense value: 0\n",
                 " Reflect: -30 HP\nDefense value: 0\n"});
    EXPECT_EQ(v.hp, 6);
    vars e{.maxhp = 2000, .str = 0, .vit = 500, .atk = 0, .def = 500, .hp = 2000};
    expectlines(visit(fighting(beast::earthele), e, "1\n", {1, 1}),
                {" Bash: -250 HP\nDefense value: 1000\n"});
    EXPECT_EQ(e.hp, 1874);  // it meets half the defense
}

TEST(SpecialEncounters, WizardGiantTrollBasiliskAndSmileyFace) {
    vars v = knight(0, 1000);
    expectlines(visit(fighting(beast::wizard), v, "1\n", {1, 1}), {" Cure: +300 enemy HP\n"});
    EXPECT_EQ(v.hp, 1000);

    vars g = knight(475, 1000);  // 950 a blow: the giant is left at 400
    expectlines(visit(fighting(beast::giant), g, "1\n1\n", {1, 1, 1, 2}),
                {" Confusion: -1500 HP\n            -500 enemy HP\n", "Enemy defeated!!",
                 "Found 26 gold\nGained 200 experience\n"});
    EXPECT_EQ(g.hp, 1);  // the same blow felled the knight, but the giant fell first

    vars t = knight(50, 5000);  // 100 a blow, 2200 on a roll of 3 at level 1050
    t.level = 1050;
    const std::string regen = "The troll's skin regenerates: +250 enemy hp\n";
    expectlines(
        visit(fighting(beast::troll), t, "1\n1\n1\n", {1, 2, 1, 1, 3}),
        {" Confused Swing: -1500 HP\n                 -250 enemy HP\n", regen, "HP: 3502/5000",
         regen, " Slash: -2200 enemy HP\n\nEnemy defeated!!", "Found 125 gold\n"});
    vars b = knight(0, 1000);
    expectlines(visit(fighting(beast::basilisk), b, "1\n1\n", {1, 2, 1, 3}),
                {" Glare: -250 HP\n", "HP: 752/1000", " Glare: -250 HP\n"});
    vars f = knight(0, 1000);
    expectlines(visit(fighting(beast::face), f, "1\n1\n", {1, 3, 1, 3}),
                {"It's a...smiley face!?!\n[key]", " Evil Grin: -250 HP\n", "HP: 752/1000",
                 " Evil Grin: -188 HP\n"});
}

TEST(SpecialEncounters, KingOfDragonsRefusesFlightInBothFights) {
    const std::string refused =
        "You will have to leave 200 gold behind to distract the monsters.\nAre you going to run "
        "away?\n? You ran away!!\n[key]\nCan't run!!\n\nEnemy attacks\n";
    vars v = knight(15000, 10000);
    v.gold = 1000;
    v.level = 100;
    v.expneed = 0;
    vars w = v;
    w.str = 5500;
    w.def = 5000;
    for (int& joined : w.party) joined = 1;  // they never strike here
    expectlines(visit(fighting(beast::kingdrag1), v, "3\ny\n1\n", {1, 1}),
                {refused + " Claw Combo: -3000 HP\nDefense value: 2\n",
                 "\nThe dragon king stumbles\n\nGained 5000 experience\n[key]"});
    EXPECT_EQ(v.gold, 800);
    expectlines(visit(fighting(beast::kingdrag2), w, "3\ny\n1\n1\n", {3, 1, 1, 1}),
                {refused + " Drink From Healing Spring: +2000 enemy HP\nDefense value: ignored\n",
                 " Claw Combo: -3000 HP\nDefense value: ignored\n",
                 "\nThe dragon king lets out one last roar and dies\n[key]"});
    EXPECT_EQ(w.gold, 800);
    EXPECT_EQ(w.exp, 0);
}

TEST(EditedSaves, HugeValuesSaturate) {
    vars v = knight(INT_MAX, INT_MAX);
    v.atk = v.level = v.vit = v.def = INT_MAX;
    v.gold = v.exp = v.expneed = v.kills = INT_MAX;
    visit(fighting(beast::genie), v, "1\nv\nv\nv\n", {1});  // the blow saturates and kills at once
    EXPECT_EQ(v.kills, INT_MAX);
    EXPECT_EQ(v.gold, 30000);  // held at the top, then trimmed by the limits
    EXPECT_EQ(v.exp, 0);       // INT_MAX + 75 held at INT_MAX, spent on the level
    vars w = knight(INT_MIN, INT_MAX);
    w.atk = w.wis = w.vit = w.level = INT_MIN;
    w.spells = 12;
    int enemyhp = INT_MIN + 5;
    outcome result = outcome::fighting;
    Session s("2\n12\n3\ny\n");
    s.run([&] { battle(enemyhp, w, result); });  // negative wisdom: spells are free
    EXPECT_EQ(enemyhp, INT_MIN);
    s.run([&] { battle(enemyhp, w, result); });  // flight priced at -2 x INT_MIN
    EXPECT_EQ(result, outcome::fled);
}

}  // namespace
}  // namespace emberfell::testing
