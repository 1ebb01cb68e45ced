// The magic shop's potions, in the order of its menu.

#include "town/potions.h"

namespace emberfell {

// clang-format off
// potion       what it raises   whose max  field         step   cap
const potion potions[potioncount] = {
    {"Health",   "max HP",       "HP",       &vars::maxhp, 100, 10000},
    {"Magic",    "max MP",       "MP",       &vars::maxmp,  50,  5000},
    {"Strength", "strength",     "strength", &vars::str,    10,   500},
    {"Vitality", "vitality",     "vitality", &vars::vit,    10,   500},
    {"Wisdom",   "wisdom",       "wisdom",   &vars::wis,    10,   500},
    {"Will",     "will",         "will",     &vars::wil,    10,   500},
};
// clang-format on

}  // namespace emberfell
