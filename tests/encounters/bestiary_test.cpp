// The bestiary held against its source: each monster's start HP, gold bonus
// and experience, seen in a fight that one exact blow wins.

#include <gtest/gtest.h>

#include <string>

#include "encounters/encounters.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

struct row {
    void (*fight)(vars&);
    int starthp, goldbonus, experience;
};

// clang-format off
constexpr row bestiary[] = {
    {squirrel, 10, 1, 1},          {rabbit, 20, 2, 2},            {snake, 30, 3, 3},
    {imp, 45, 3, 4},               {goblin, 65, 4, 6},            {bear, 135, 6, 15},
    {nightstalker, 160, 8, 15},    {waterele, 220, 9, 17},        {thief, 300, 15, 18},
    {ogre, 415, 10, 35},           {fireele, 455, 11, 45},        {genie, 535, 12, 75},
    {centaur, 680, 13, 75},        {harpy, 720, 15, 95},          {earthele, 900, 17, 100},
    {knight, 1100, 20, 110},       {wizard, 1500, 21, 120},       {golem, 2000, 23, 150},
    {giant, 2300, 25, 200},        {basilisk, 2100, 27, 220},     {windele, 2500, 30, 250},
    {demon, 2800, 32, 270},        {destructionele, 3000, 35, 290}, {sapphiredrag, 5000, 50, 350},
    {emeralddrag, 6000, 55, 400},  {rubydrag, 7000, 60, 450},     {diamonddrag, 8000, 65, 500},
    {onyxdrag, 9000, 70, 550},     {golddrag, 10000, 80, 600},    {moondrag, 11000, 100, 650},
    {snape, 25, 5, 10},            {dragonfly, 500, 10, 100},     {shadowcat, 1000, 15, 200},
    {face, 2000, 45, 300},         {crystaldrag, 12000, 200, 1000}, {guildmaster, 2000, 500, 450},
    {skeleton, 1000, 15, 100},     {troll, 2200, 25, 200},        {demonlord, 5000, 500, 1000},
};
// clang-format on

// A blow of exactly the start HP (one more where that is odd) wins; one of
// two less does not.
TEST(Bestiary, StartHPGoldAndExperienceOfEveryMonster) {
    for (const row& r : bestiary) {
        const int blow = r.starthp + r.starthp % 2;
        vars v;
        v.str = blow / 2;
        v.atk = 0;
        v.level = 1;
        v.expneed = 1 << 30;
        Session s("1\n");
        s.con.rolls({1});
        const std::string won = s.run([&] { r.fight(v); });
        EXPECT_NE(won.find("\nFound " + std::to_string(1 + r.goldbonus) + " gold\nGained " +
                           std::to_string(r.experience) + " experience\n"),
                  std::string::npos)
            << won;
        vars w = v;
        w.str = blow / 2 - 1;
        w.hp = w.maxhp = 1 << 30;
        Session t("1\n");
        t.con.rolls({1, 1});
        EXPECT_EQ(t.run([&] { r.fight(w); }).find("Enemy defeated"), std::string::npos)
            << r.starthp;
    }
}

}  // namespace
}  // namespace emberfell::testing
