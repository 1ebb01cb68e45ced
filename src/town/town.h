#pragma once

#include "character/record.h"

namespace emberfell {

void inn(vars& v);
void blacksmith(vars& v);
void magicshop(vars& v);

}  // namespace emberfell
