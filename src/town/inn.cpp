// The Lonely Tankard Inn.

#include <iomanip>
#include <ostream>

#include "character/title.h"
#include "character/yes.h"
#include "console/console.h"
#include "town/town.h"

namespace emberfell {

void inn(vars& v) {
    const int price = v.level / 2;
    enter(scene::inn);
    title();
    out() << "Welcome to the Lonely Tankard Inn. You can rest here and heal HP and MP.\n"
          << "HP: " << v.hp << "/" << v.maxhp << "\n"
          << "MP: " << v.mp << "/" << v.maxmp << "\n"
          << "Gold: " << std::setw(5) << v.gold << "\n"
          << "Cost: " << price << " gold\n"
          << "Would you like to rest? ";
    if (!readyes()) {
        out()
            << "\nNo? Well then, what are you doing here? GET OUT!! You're holding up business.\n";
    } else if (price > v.gold) {
        out() << "\nnot enough money!!\n";
    } else {
        v.gold = minus(v.gold, price);
        heal(v);
        out() << "\nYou feel refreshed\n";
    }
    waitkey();
}

}  // namespace emberfell
