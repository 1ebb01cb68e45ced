#pragma once

#include "character/record.h"

namespace emberfell {

// The quest board.
void quests(vars& v);

void goblinden(vars& v);
void animaltrouble(vars& v);
void ogreforest(vars& v);
void centaurraiding(vars& v);
void harpies(vars& v);
void corruption(vars& v);
void demontrace(vars& v);
[[noreturn]] void dragonking(vars& v);

}  // namespace emberfell
