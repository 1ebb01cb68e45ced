#pragma once

#include "character/record.h"

namespace emberfell {

void inn(vars& v);
// Full hit points and magic points; nothing else.
void heal(vars& v);
void blacksmith(vars& v);
void magicshop(vars& v);

}  // namespace emberfell
