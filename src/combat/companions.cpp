// The companions' attacks: every companion who has joined strikes once.

#include <ostream>

#include "combat/combat.h"
#include "console/console.h"

namespace emberfell {

namespace {

struct companionblow {
    const char* name;  // nullptr for Garath's Cure
    int damage;        // taken from the monster's hit points
};

struct companionrow {
    companion flag;
    const char* header;
    companionblow rolls[3];  // for rolls 1, 2 and 3
};

// In the order they act: flag, header line, then each roll's blow and its
// damage to the monster.
// clang-format off
constexpr companionrow companions[] = {
    {elenium,   "Elenium attacks\n",   {{"Sword Chop", 1500},     {"Tri-Slash", 4500},      {"Super Nova", 5000}}},
    {drizzt,    "Drizzt attacks\n",    {{"Twin Scimitars", 1000}, {"Cross Slash", 1500},    {"Flurry", 2000}}},
    {elminster, "Elminster attacks\n", {{"Wall of Fire", 500},    {"Ice Age", 1000},        {"Hurricane", 2000}}},
    {belgarion, "Belgarion attacks\n", {{"Slash", 200},           {"Razor Edge", 300},      {"Orb Blast", 500}}},
    {richard,   "Richard attacks\n",   {{"Seeker Sword", 800},    {"Lightning Surge", 1700}, {"Seeker's Judgement", 2000}}},
    {elbryan,   "Elbryan attacks\n",   {{"Staff Swipe", 250},     {"Hawkwing", 700},        {"Tempest Strike", 1000}}},
    {garath,    "Garath attacks\n",    {{nullptr, 0},             {"Fireball", 400},        {"Earthquake", 600}}},
    {duran,     "Duran attacks\n",     {{"Stab", 50},             {"Slash", 100},           {"Overhead Chop", 200}}},
    {thatch,    "Thatch attacks\n",    {{"Knife Poke", 1},        {"Knife Slice", 10},      {"Backstab", 20}}},
};
// clang-format on

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
        const companionblow& b = c.rolls[random() - 1];
        out() << c.header;
        if (!b.name) {
            garathcure(v);
            continue;
        }
        out() << " " << b.name << ": -" << b.damage << " enemy HP\n";
        enemyhp = minus(enemyhp, b.damage);
    }
    waitkey();
}

}  // namespace emberfell
