#pragma once

#include "character/record.h"

namespace emberfell {

// The quest board.
void quests(vars& v);

}  // namespace emberfell
