// The blacksmith: one price list, one purchase per visit. A bought item
// replaces the one carried, whatever it was.

#include <iomanip>
#include <ostream>
#include <string>

#include "character/arms.h"
#include "character/title.h"
#include "console/console.h"
#include "console/input.h"
#include "town/town.h"

namespace emberfell {

namespace {

// Weapons, then armour: the heading they are listed under, and the record's
// fields a purchase sets (the attack or defense value, and the number the
// character sheet names).
struct kind {
    const char* heading;
    const arm* arms;
    std::int32_t vars::*value;
    std::int32_t vars::*number;
};

constexpr kind kinds[] = {
    {"#   Weapon               Attack Value      Cost\n", weapons, &vars::atk, &vars::weapon},
    {"#   Armor                Defense Value     Cost\n", armors, &vars::def, &vars::armor},
};

// "4)  Long Sword --------- 20 -------------- 325": the choice, the name, the
// value and the price, with dashes to fixed widths.
std::string listline(int choice, const arm& a) {
    std::string number = std::to_string(choice) + ")";
    std::string name = std::string(a.listed ? a.listed : a.name) + " ";
    std::string value = std::to_string(a.value) + " ";
    number.resize(4, ' ');
    name.resize(20, '-');
    value.resize(17, '-');
    return number + name + " " + value + " " + std::to_string(a.price) + "\n";
}

// Every item for sale, numbered from 1 in the order of the list: `visit`
// (its choice, its kind and its number in the kind's table) for each, until
// `visit` gives true.
template <class Visit>
bool forsale(Visit visit) {
    int choice = 0;
    for (const kind& k : kinds) {
        for (int n = 0; n < armcount; ++n) {
            if (k.arms[n].price > 0 && visit(++choice, k, n)) return true;
        }
    }
    return false;
}

void pricelist() {
    out() << "Listen kid, I've got a schedule to keep, so hurry up. Wadda ya want?\n";
    const kind* listed = nullptr;
    int last = 0;
    forsale([&](int choice, const kind& k, int n) {
        if (&k != listed) out() << k.heading;
        listed = &k;
        out() << listline(choice, k.arms[n]);
        last = choice;
        return false;
    });
    out() << last + 1 << ") I don't want anything\n";
}

// Sold without a word: the main menu shows straight away.
void buy(vars& v, const kind& k, int number) {
    const arm& a = k.arms[number];
    if (v.gold < a.price) {
        out() << "\nnot enough money!!\n";
        waitkey();
        return;
    }
    v.gold = minus(v.gold, a.price);
    v.*k.value = a.value;
    v.*k.number = number;
}

// The item a choice names, as numbered in the list; false when it names none.
bool sell(vars& v, int choice) {
    return forsale([&](int listed, const kind& k, int n) {
        if (listed != choice) return false;
        buy(v, k, n);
        return true;
    });
}

}  // namespace

void blacksmith(vars& v) {
    enter(scene::blacksmith);
    title();
    pricelist();
    out() << "Gold: " << std::setw(5) << v.gold << "      ? ";
    if (sell(v, readnumber())) return;
    out() << "Then LEAVE!!";
    waitkey();
}

}  // namespace emberfell
