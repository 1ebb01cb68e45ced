// The companions' attacks: every companion who has joined strikes once, in
// the order of their turns.

#include <ostream>

#include "character/party.h"
#include "combat/combat.h"
#include "console/console.h"

namespace emberfell {

namespace {

// Garath's Cure: 3 x level + 200, without the power factor, capped at maxhp.
void garathcure(vars& v) {
    const int amount = clamp32(std::int64_t{v.level} * 3 + 200);
    out() << " Cure: +" << amount << " HP\n";
    v.hp = plus(v.hp, amount);
    if (v.hp > v.maxhp) v.hp = v.maxhp;
}

void strike(const companionrow& c, int& enemyhp, vars& v) {
    const companionblow& b = c.rolls[random() - 1];
    out() << c.fightname << " attacks\n";
    if (!b.name) {
        garathcure(v);
        return;
    }
    out() << " " << b.name << ": -" << b.damage << " enemy HP\n";
    enemyhp = minus(enemyhp, b.damage);
}

}  // namespace

void group(int& enemyhp, vars& v) {
    for (int turn = 1; turn <= companioncount; ++turn) {
        for (const companionrow& c : companions) {
            if (c.turn == turn && v.party[c.id] == 1) strike(c, enemyhp, v);
        }
    }
    waitkey();
}

}  // namespace emberfell
