#pragma once

#include "character/record.h"

namespace emberfell {

// The three-page character sheet.
void stats(vars v);

}  // namespace emberfell
