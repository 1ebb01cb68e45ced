// The monster menu: the player picks a monster by number and fights it.

#include <ostream>

#include "character/title.h"
#include "console/console.h"
#include "console/input.h"
#include "encounters/encounters.h"

namespace emberfell {
namespace {

// Number typed, encounter fought. 1 to 30 are on the screen; the last five
// numbers are shown nowhere in the game.
struct choice {
    int number;
    void (*fight)(vars&);
};

constexpr choice monsterchoices[] = {
    {1, squirrel},        {2, rabbit},
    {3, snake},           {4, imp},
    {5, goblin},          {6, bear},
    {7, nightstalker},    {8, waterele},
    {9, thief},           {10, ogre},
    {11, fireele},        {12, genie},
    {13, centaur},        {14, harpy},
    {15, earthele},       {16, knight},
    {17, wizard},         {18, golem},
    {19, giant},          {20, basilisk},
    {21, windele},        {22, demon},
    {23, destructionele}, {24, sapphiredrag},
    {25, emeralddrag},    {26, rubydrag},
    {27, diamonddrag},    {28, onyxdrag},
    {29, golddrag},       {30, moondrag},
    {619, snape},         {894, dragonfly},
    {3692, shadowcat},    {35420, crystaldrag},
    {91890, face},
};

void monsterlist() {
    out() << "1) Rabid Squirrel         16) Corrupted Knight\n"
             "2) Killer Rabbit          17) Evil Wizard\n"
             "3) Snake                  18) Golem\n"
             "4) Imp                    19) Giant\n"
             "5) Goblin                 20) Basilisk\n"
             "6) Bear                   21) Wind Elemental\n"
             "7) Night Stalker          22) Demon\n"
             "8) Water Elemental        23) Destruction Elemental\n"
             "9) Thief                  24) Sapphire Dragon\n"
             "10) Ogre                  25) Emerald Dragon\n"
             "11) Fire Elemental        26) Ruby Dragon\n"
             "12) Genie                 27) Diamond Dragon\n"
             "13) Centaur               28) Onyx Dragon\n"
             "14) Harpy                 29) Gold Dragon\n"
             "15) Earth Elemental       30) Moon Dragon\n"
             "00) I do not wish to fight at this time\n"
             "Enter monster number: ";
}

}  // namespace

void monster(vars& v) {
    enter(scene::monsterlist);
    title();
    monsterlist();
    const int number = readnumber();
    for (const choice& c : monsterchoices) {
        if (c.number == number) {
            c.fight(v);
            return;
        }
    }
}

}  // namespace emberfell
