// The monster menu: the listed numbers, the unlisted ones, a number that names nothing.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "encounters/encounters.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

TEST(MonsterMenu, ListedUnlistedAndNumbersThatNameNothing) {
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

}  // namespace
}  // namespace emberfell::testing
