#pragma once
// The nine companions, in the order of their flags in `party`: the name the
// character sheet lists, the name their blows are announced by, their place
// in the order they strike, and their blow for each roll of the dice.

#include "character/record.h"

namespace emberfell {

struct companionblow {
    const char* name;  // nullptr: Garath's Cure, which heals the knight
    int damage;        // taken from the monster's hit points
};

struct companionrow {
    companion id;
    const char* name;        // "Drizzt Do'Urden"
    const char* fightname;   // "Drizzt", as in "Drizzt attacks"
    int turn;                // 1 strikes first
    companionblow rolls[3];  // for the rolls 1, 2 and 3
};

// clang-format off
inline constexpr companionrow companions[companioncount] = {
    {elenium,   "Elenium",         "Elenium",   1, {{"Sword Chop", 1500},     {"Tri-Slash", 4500},       {"Super Nova", 5000}}},
    {drizzt,    "Drizzt Do'Urden", "Drizzt",    2, {{"Twin Scimitars", 1000}, {"Cross Slash", 1500},     {"Flurry", 2000}}},
    {elminster, "Elminster",       "Elminster", 3, {{"Wall of Fire", 500},    {"Ice Age", 1000},         {"Hurricane", 2000}}},
    {richard,   "Richard Rahl",    "Richard",   5, {{"Seeker Sword", 800},    {"Lightning Surge", 1700}, {"Seeker's Judgement", 2000}}},
    {belgarion, "Belgarion",       "Belgarion", 4, {{"Slash", 200},           {"Razor Edge", 300},       {"Orb Blast", 500}}},
    {elbryan,   "Elbryan",         "Elbryan",   6, {{"Staff Swipe", 250},     {"Hawkwing", 700},         {"Tempest Strike", 1000}}},
    {thatch,    "Thatch",          "Thatch",    9, {{"Knife Poke", 1},        {"Knife Slice", 10},       {"Backstab", 20}}},
    {duran,     "Duran",           "Duran",     8, {{"Stab", 50},             {"Slash", 100},            {"Overhead Chop", 200}}},
    {garath,    "Garath",          "Garath",    7, {{nullptr, 0},             {"Fireball", 400},         {"Earthquake", 600}}},
};
// clang-format on

// Each companion's row at the place of its flag, and each turn taken once.
static_assert([] {
    int turns = 0;
    for (int i = 0; i < companioncount; ++i) {
        if (companions[i].id != i) return false;
        turns |= 1 << companions[i].turn;
    }
    return turns == (1 << (companioncount + 1)) - 2;
}());

}  // namespace emberfell
