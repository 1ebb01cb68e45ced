#pragma once
// The spells, in the order they are learned: owning n spells means owning the
// first n of these. The fights read the costs and effects, the magic shop the
// prices, the character sheet the names.

namespace emberfell {

enum class spelleffect {
    damage,  // the power base, times the power factor, off the monster's HP
    cure,    // heals 3 x level + 200, times the power factor
    life,    // restores every hit point
};

struct spell {
    const char* name;
    int costbase;  // MP, times the cost factor
    spelleffect effect;
    int powerbase;  // the damage spells' damage, before the power factor
    int price;      // in gold at the magic shop; 0: never sold there
};

inline constexpr int spellcount = 12;

// clang-format off
// name                cost  effect                 power  price
inline constexpr spell spellbook[spellcount] = {
    {"Cure",            100, spelleffect::cure,        0,   200},
    {"Water Blast",     200, spelleffect::damage,    200,   400},
    {"Fireball",        300, spelleffect::damage,    400,   600},
    {"Earthquake",      400, spelleffect::damage,    600,   800},
    {"Tornado",         500, spelleffect::damage,    800,  1000},
    {"Freeze",          600, spelleffect::damage,   1000,  1200},
    {"Melt",            700, spelleffect::damage,   1200,  1400},
    {"Avalanche",       800, spelleffect::damage,   1400,  1600},
    {"Lightning Storm", 900, spelleffect::damage,   1600,  1800},
    {"Life",           1000, spelleffect::life,        0,  2000},
    {"Apocalypse",     1200, spelleffect::damage,   2500,  2200},
    {"Super Nova",     1500, spelleffect::damage,   5000,     0},
};
// clang-format on

}  // namespace emberfell
