// The companions' attacks: every companion who has joined strikes once.

#include <ostream>

#include "combat/combat.h"
#include "console/console.h"

namespace emberfell {

namespace {

struct blow {
    const char* line;  // the result line; nullptr for Garath's Cure
    int change;        // to the monster's hit points
};

struct companionrow {
    companion flag;
    const char* header;
    blow rolls[3];  // for rolls 1, 2 and 3
};

// In the order they act: flag, header line, then each roll's result line and
// the change to the monster's hit points.
constexpr companionrow companions[] = {
    {elenium,
     "Elenium attacks\n",
     {{" Sword Chop: -1500 enemy HP\n", -1500},
      {" Tri-Slash: -4500 enemy HP\n", -4500},
      {" Super Nova: -5000 enemy HP\n", -5000}}},
    {drizzt,
     "Drizzt attacks\n",
     {{" Twin Scimitars: -1000 enemy HP\n", -1000},
      {" Cross Slash: -1500 enemy HP\n", -1500},
      {" Flurry: -2000 enemy HP\n", -2000}}},
    {elminster,
     "Elminster attacks\n",
     {{" Wall of Fire: -500 enemy HP\n", -500},
      {" Ice Age: -1000 enemy HP\n", -1000},
      {" Hurricane: -2000 enemy HP\n", -2000}}},
    {belgarion,
     "Belgarion attacks\n",
     {{" Slash: -200 enemy HP\n", -200},
      {" Razor Edge: -300 enemy HP\n", -300},
      {" Orb Blast: -500 enemy HP\n", -500}}},
    {richard,
     "Richard attacks\n",
     {{" Seeker Sword: -800 enemy HP\n", -800},
      {" Lightning Surge: -1700 enemy HP\n", -1700},
      {" Seeker's Judgement: -2000 enemy HP\n", -2000}}},
    {elbryan,
     "Elbryan attacks\n",
     {{" Staff Swipe: -250 enemy HP\n", -250},
      {" Hawkwing: -700 enemy HP\n", -700},
      {" Tempest Strike: -1000 enemy HP\n", -1000}}},
    {garath,
     "Garath attacks\n",
     {{nullptr, 0}, {" Fireball: -400 enemy HP\n", -400}, {" Earthquake: -600 enemy HP\n", -600}}},
    {duran,
     "Duran attacks\n",
     {{" Stab: -50 enemy HP\n", -50},
      {" Slash: -100 enemy HP\n", -100},
      {" Overhead Chop: -200 enemy HP\n", -200}}},
    {thatch,
     "Thatch attacks\n",
     {{" Knife Poke: -1 enemy HP\n", -1},
      {" Knife Slice: -10 enemy HP\n", -10},
      {" Backstab: -20 enemy HP\n", -20}}},
};

// Garath's Cure: 3 x level + 200, without the power factor, capped at maxhp.
void garathcure(vars& v) {
    const int amount = clamp32(std::int64_t{v.level} * 3 + 200);
    out() << " Cure: +" << amount << " HP\n";
    v.hp = plus(v.hp, amount);
    if (v.hp > v.maxhp) v.hp = v.maxhp;
}

}  // namespace

void group(int& enemyhp, vars& v) {
    for (const companionrow& c : companions) {
        if (v.party[c.flag] != 1) continue;
        const blow& b = c.rolls[random() - 1];
        out() << c.header;
        if (!b.line) {
            garathcure(v);
            continue;
        }
        out() << b.line;
        enemyhp = plus(enemyhp, b.change);
    }
    waitkey();
}

}  // namespace emberfell
