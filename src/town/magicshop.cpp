// The magic shop: the next spell of the sequence, or one of six potions; one
// purchase per visit.

#include <cstdint>
#include <iomanip>
#include <ostream>

#include "character/spellbook.h"
#include "character/title.h"
#include "character/yes.h"
#include "console/console.h"
#include "console/input.h"
#include "town/potions.h"
#include "town/town.h"

namespace emberfell {

namespace {

// The next spell of the sequence, or none when the knight owns every spell
// the shop sells.
const spell* nextspell(const vars& v) {
    if (v.spells < 0 || v.spells >= spellcount) return nullptr;
    const spell& s = spellbook[v.spells];
    return s.price > 0 ? &s : nullptr;
}

void learnspell(vars& v) {
    title();
    const spell* s = nextspell(v);
    if (!s) {
        out() << "I have no spells for you to buy at this time\n";
        waitkey();
        return;
    }
    const std::int32_t price = s->price;
    out() << "Gold: " << std::setw(5) << v.gold << "\n"
          << "Cost: " << std::setw(5) << price << "\n"
          << "Would you like to buy the " << s->name << " spell? ";
    if (!readyes()) {
        out() << "\nAh, well...\n";
    } else if (price > v.gold) {
        out() << "\nnot enough money\n";
    } else {
        v.gold = minus(v.gold, price);
        v.spells = plus(v.spells, 1);
        out() << "\nYou bought the spell!!\n";
    }
    waitkey();
}

// The money is asked for before the cap is looked at.
void drink(vars& v, const potion& p) {
    std::int32_t& field = v.*p.field;
    if (v.gold < potionprice) {
        out() << "\nnot enough money!!\n";
    } else if (field >= p.cap) {
        out() << "\n" << p.cap << " is the max amount of " << p.amount << "!!\n";
    } else {
        v.gold = minus(v.gold, potionprice);
        field = plus(field, p.step);
        out() << "\n+" << p.step << " " << p.raises << "!!\n";
        if (field >= p.cap) {
            out() << "You have reached the max amount of " << p.amount << "!!\n";
            field = p.cap;
        }
    }
    waitkey();
}

// The potion of a choice, or none when the choice names no potion.
const potion* potionfor(int choice) {
    return choice >= firstpotion && choice < firstpotion + potioncount
               ? &potions[choice - firstpotion]
               : nullptr;
}

void shopmenu(const vars& v) {
    enter(scene::magicshop);
    title();
    out() << "Welcome, young knight, I see that you have the gift of magic.\n"
          << "What can I do for you?\n\n"
          << "Gold: " << std::setw(5) << v.gold << "\n"
          << "1) Learn a spell\n";
    for (int choice = firstpotion; choice < firstpotion + potioncount; ++choice) {
        const potion& p = potions[choice - firstpotion];
        out() << choice << ") " << p.name << " potion - +" << p.step << " " << p.raises << " - "
              << potionprice << " gold\n";
    }
    out() << "8) I don't need anything\n? ";
}

}  // namespace

void magicshop(vars& v) {
    shopmenu(v);
    const int choice = readnumber();
    if (choice == 1) {
        learnspell(v);
    } else if (const potion* p = potionfor(choice)) {
        drink(v, *p);
    } else {
        out() << "\nMaybe next time...\n";
        waitkey();
    }
}

}  // namespace emberfell
