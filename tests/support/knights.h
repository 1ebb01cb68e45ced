#pragma once
// Knights the tests and the benchmarks play with, and their save files.

#include <cstdint>
#include <string>

#include "character/record.h"

namespace emberfell::testing {

// Level 100 (no points to share out at a level check), every stat at its cap
// and 31000 a blow: every monster, the first King of Dragons' included,
// falls to the first Attack.
inline vars strongknight(int quest = 1) {
    vars v{.name = "Ayla"};
    v.quest = quest;
    v.level = 100;
    v.exp = v.expneed = 0;
    v.str = v.vit = v.wis = v.wil = 500;
    v.atk = 15000;
    v.def = 85;
    v.maxhp = v.hp = 10000;
    v.maxmp = v.mp = 5000;
    return v;
}

// A save file written out by hand: the record's 28 numbers in the file's
// order, one a line, then the line `name`.
inline std::string savefile(const std::string& name, const vars& v = {}) {
    std::string text;
    for (std::int32_t n : {v.maxhp, v.str, v.vit, v.atk, v.def, v.gold, v.level, v.exp, v.expneed,
                           v.maxmp, v.kills, v.hp, v.mp, v.spells, v.weapon, v.armor, v.quest})
        text += std::to_string(n) + "\n";
    for (std::int32_t joined : v.party) text += std::to_string(joined) + "\n";
    return text + std::to_string(v.wis) + "\n" + std::to_string(v.wil) + "\n" + name + "\n";
}

}  // namespace emberfell::testing
