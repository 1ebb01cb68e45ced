// The bestiary held against its source: each monster's start HP, gold bonus,
// experience and blows, seen in short fights.

#include <gtest/gtest.h>

#include <string>

#include "encounters/encounters.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

struct row {
    void (*fight)(vars&);
    int starthp, goldbonus, experience;
    int blows[3];  // for the rolls 1, 2 and 3
};

// clang-format off
constexpr row bestiary[] = {
 // monster          start HP gold   exp  blows
    {squirrel,           10,   1,    1, {   3,    4,    4}},
    {rabbit,             20,   2,    2, {   4,    5,    5}},
    {snake,              30,   3,    3, {   5,    6,    7}},
    {imp,                45,   3,    4, {   4,    7,   10}},
    {goblin,             65,   4,    6, {   7,   10,   20}},
    {bear,              135,   6,   15, {  15,   20,   35}},
    {nightstalker,      160,   8,   15, {  20,   27,   32}},
    {waterele,          220,   9,   17, {  35,   45,   51}},
    {thief,             300,  15,   18, {  25,   50,   63}},
    {ogre,              415,  10,   35, {  55,   65,   80}},
    {fireele,           455,  11,   45, {  75,   85,  110}},
    {genie,             535,  12,   75, {}},  // special blows: encounter_test
    {centaur,           680,  13,   75, { 100,  150,  200}},
    {harpy,             720,  15,   95, { 100,  250,  300}},
    {earthele,          900,  17,  100, { 250,  300,  500}},
    {knight,           1100,  20,  110, { 400,  550,  700}},
    {wizard,           1500,  21,  120, {}},  // special blows: encounter_test
    {golem,            2000,  23,  150, { 800, 1000, 1500}},
    {giant,            2300,  25,  200, {}},  // special blows: encounter_test
    {basilisk,         2100,  27,  220, {}},  // special blows: encounter_test
    {windele,          2500,  30,  250, {1000, 1300, 1600}},
    {demon,            2800,  32,  270, {1100, 1400, 1800}},
    {destructionele,   3000,  35,  290, {1100, 1500, 2500}},
    {sapphiredrag,     5000,  50,  350, {2000, 2000, 2200}},
    {emeralddrag,      6000,  55,  400, {2000, 2200, 2400}},
    {rubydrag,         7000,  60,  450, {2100, 2300, 2500}},
    {diamonddrag,      8000,  65,  500, {2300, 2400, 2600}},
    {onyxdrag,         9000,  70,  550, {2200, 2500, 2700}},
    {golddrag,        10000,  80,  600, {2400, 2500, 2800}},
    {moondrag,        11000, 100,  650, {2500, 2800, 3000}},
    {snape,              25,   5,   10, {   5,    5,    6}},
    {dragonfly,         500,  10,  100, { 290,  300,  350}},
    {shadowcat,        1000,  15,  200, { 330,  350,  370}},
    {face,             2000,  45,  300, {}},  // special blows: encounter_test
    {crystaldrag,     12000, 200, 1000, {2600, 2900, 3200}},
    {guildmaster,      2000, 500,  450, { 700,  850, 1000}},
    {skeleton,         1000,  15,  100, { 400,  500,  600}},
    {troll,            2200,  25,  200, {}},  // special blows: encounter_test
    {demonlord,        5000, 500, 1000, {1400, 1800, 2000}},
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
        const std::string won = visit(r.fight, v, "1\n", {1});
        EXPECT_NE(won.find("\nFound " + std::to_string(1 + r.goldbonus) + " gold\nGained " +
                           std::to_string(r.experience) + " experience\n"),
                  std::string::npos)
            << won;
        vars w{.maxhp = lots, .str = blow / 2 - 1, .atk = 0, .expneed = lots, .hp = lots};
        EXPECT_EQ(visit(r.fight, w, "1\n", {1, 1}).find("Enemy defeated"), std::string::npos)
            << r.starthp;
        if (r.blows[0] == 0) continue;
        vars u{.maxhp = lots, .str = 0, .vit = 0, .atk = 0, .def = 0, .expneed = lots, .hp = lots};
        visit(r.fight, u, "1\n1\n1\n", {1, 1, 1, 2, 1, 3});
        EXPECT_EQ(lots - u.hp, r.blows[0] + r.blows[1] + r.blows[2]) << r.starthp;
    }
}

}  // namespace
}  // namespace emberfell::testing
