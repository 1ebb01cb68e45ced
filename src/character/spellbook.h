#pragma once
// The spells, in the order they are learned: owning n spells means owning the
// first n of these.

namespace emberfell {

inline constexpr int spellcount = 12;

inline constexpr const char* spellnames[spellcount] = {
    "Cure", "Water Blast", "Fireball",        "Earthquake", "Tornado",    "Freeze",
    "Melt", "Avalanche",   "Lightning Storm", "Life",       "Apocalypse", "Super Nova",
};

}  // namespace emberfell
