#include "combat/spells.h"

namespace emberfell {

// list line, cost base, effect, power base (Cure heals 3 x level + 200 and
// Life restores all hit points, so neither has a power base of its own)
const spell spelltable[12] = {
    {"1) Cure --------------- ", 100, spelleffect::cure, 0},
    {"2) Water Blast -------- ", 200, spelleffect::damage, 200},
    {"3) Fireball ----------- ", 300, spelleffect::damage, 400},
    {"4) Earthquake --------- ", 400, spelleffect::damage, 600},
    {"5) Tornado ------------ ", 500, spelleffect::damage, 800},
    {"6) Freeze ------------- ", 600, spelleffect::damage, 1000},
    {"7) Melt --------------- ", 700, spelleffect::damage, 1200},
    {"8) Avalanche ---------- ", 800, spelleffect::damage, 1400},
    {"9) Lightning Storm ---- ", 900, spelleffect::damage, 1600},
    {"10) Life -------------- ", 1000, spelleffect::life, 0},
    {"11) Apocalypse -------- ", 1200, spelleffect::damage, 2500},
    {"12) Super Nova -------- ", 1500, spelleffect::damage, 5000},
};

}  // namespace emberfell
