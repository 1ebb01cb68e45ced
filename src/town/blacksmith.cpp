// The blacksmith: one price list, one purchase per visit. A bought item
// replaces the one carried, whatever it was.

#include <iomanip>
#include <ostream>

#include "console/console.h"
#include "console/input.h"
#include "shell/screens.h"
#include "town/stock.h"
#include "town/town.h"

namespace emberfell {

namespace {

void pricelist() {
    out() << "Listen kid, I've got a schedule to keep, so hurry up. Wadda ya want?\n";
    const itemkind* listed = nullptr;
    for (const item& it : stock) {
        if (it.kind != listed) out() << it.kind->heading;
        listed = it.kind;
        out() << it.line;
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
