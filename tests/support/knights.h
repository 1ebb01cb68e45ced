#pragma once
// Knights the tests and the benchmarks play with.

#include "character/record.h"

namespace emberfell::testing {

// Level 100 (no points to share out at a level check), every stat at its cap
// and 31000 a blow: every monster, the first King of Dragons' included,
// falls to the first Attack.
inline vars strongknight(int quest = 1) {
    vars v;
    v.quest = quest;
    setname(v, "Ayla");
    v.level = 100;
    v.exp = v.expneed = 0;
    v.str = v.vit = v.wis = v.wil = 500;
    v.atk = 15000;
    v.def = 85;
    v.maxhp = v.hp = 10000;
    v.maxmp = v.mp = 5000;
    return v;
}

}  // namespace emberfell::testing
