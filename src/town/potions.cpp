// The magic shop's potions, in the order of its menu.

#include "town/potions.h"

namespace emberfell {

// clang-format off
// potion       what it raises   whose max  field         step   cap
const potion potions[potioncount] = {
    {"Health",   "max HP",       "HP",       &vars::maxhp, 100, hpcap},
    {"Magic",    "max MP",       "MP",       &vars::maxmp,  50, mpcap},
    {"Strength", "strength",     "strength", &vars::str,    10, statcap},
    {"Vitality", "vitality",     "vitality", &vars::vit,    10, statcap},
    {"Wisdom",   "wisdom",       "wisdom",   &vars::wis,    10, statcap},
    {"Will",     "will",         "will",     &vars::wil,    10, statcap},
};
// clang-format on

}  // namespace emberfell
