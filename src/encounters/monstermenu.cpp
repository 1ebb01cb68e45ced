// The monster menu: the player picks a monster by number and fights it.

#include <ostream>
#include <string>
#include <string_view>

#include "character/title.h"
#include "console/console.h"
#include "console/input.h"
#include "encounters/encounters.h"

namespace emberfell {
namespace {

// The menu lists the monsters numbered 1 to 30, in two columns; the numbers
// of the few others are shown nowhere in the game.
constexpr int listed = 30;

// "7) Night Stalker" padded to 26 characters, then "22) Demon".
void monsterlist() {
    std::string_view names[listed + 1];
    for (const monsterrow& m : bestiary()) {
        if (m.menu >= 1 && m.menu <= listed) names[m.menu] = textsof(m.id).name;
    }
    for (int n = 1; n <= listed / 2; ++n) {
        std::string left = std::to_string(n) + ") " + std::string(names[n]);
        left.resize(26, ' ');
        out() << left << n + listed / 2 << ") " << names[n + listed / 2] << "\n";
    }
    out() << "00) I do not wish to fight at this time\n"
             "Enter monster number: ";
}

}  // namespace

void monster(vars& v) {
    enter(scene::monsterlist);
    title();
    monsterlist();
    const int number = readnumber();
    for (const monsterrow& m : bestiary()) {
        if (number != 0 && m.menu == number) {
            encounter(m.id, v);
            return;
        }
    }
}

}  // namespace emberfell
