#pragma once
// The monster menu and the one encounter routine every monster fights by.

#include "character/record.h"
#include "encounters/bestiary.h"

namespace emberfell {

// The monster menu: a monster picked by number and fought at once.
void monster(vars& v);

// One whole fight against this monster, from its intro to its death (reward
// paid) or the knight's flight. A lost fight never returns.
void encounter(beast b, vars& v);

}  // namespace emberfell
