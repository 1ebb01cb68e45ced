// The blacksmith: one price list, one purchase per visit. A bought item
// replaces the one carried, whatever it was.

#include <iomanip>
#include <ostream>
#include <string>

#include "character/title.h"
#include "console/console.h"
#include "console/input.h"
#include "town/stock.h"
#include "town/town.h"

namespace emberfell {

namespace {

// "4)  Long Sword --------- 20 -------------- 325": the choice, the name, the
// value and the price, with dashes to fixed widths.
std::string listline(int choice, const item& it) {
    std::string number = std::to_string(choice) + ")";
    std::string name = std::string(it.name) + " ";
    std::string value = std::to_string(it.value) + " ";
    number.resize(4, ' ');
    name.resize(20, '-');
    value.resize(17, '-');
    return number + name + " " + value + " " + std::to_string(it.price) + "\n";
}

void pricelist() {
    out() << "Listen kid, I've got a schedule to keep, so hurry up. Wadda ya want?\n";
    const itemkind* listed = nullptr;
    for (int choice = 1; choice <= stocksize; ++choice) {
        const item& it = stock[choice - 1];
        if (it.kind != listed) out() << it.kind->heading;
        listed = it.kind;
        out() << listline(choice, it);
    }
    out() << "21) I don't want anything\n";
}

// The item of a choice, or none when the choice names nothing.
const item* itemfor(int choice) {
    return choice >= 1 && choice <= stocksize ? &stock[choice - 1] : nullptr;
}

// Sold without a word: the main menu shows straight away.
void buy(vars& v, const item& it) {
    if (v.gold < it.price) {
        out() << "\nnot enough money!!\n";
        waitkey();
        return;
    }
    v.gold = minus(v.gold, it.price);
    v.*(it.kind->value) = it.value;
    v.*(it.kind->number) = it.number;
}

}  // namespace

void blacksmith(vars& v) {
    enter(scene::blacksmith);
    title();
    pricelist();
    out() << "Gold: " << std::setw(5) << v.gold << "      ? ";
    if (const item* it = itemfor(readnumber())) {
        buy(v, *it);
        return;
    }
    out() << "Then LEAVE!!";
    waitkey();
}

}  // namespace emberfell
