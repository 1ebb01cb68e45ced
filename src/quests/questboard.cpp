// Not built yet: the quest board and its scripts.
#include "quests/quests.h"

#include "console/console.h"

namespace emberfell {

void quests(vars&) {}
void goblinden(vars&) {}
void animaltrouble(vars&) {}
void ogreforest(vars&) {}
void centaurraiding(vars&) {}
void harpies(vars&) {}
void corruption(vars&) {}
void demontrace(vars&) {}
void dragonking(vars&) { end(0); }

}  // namespace emberfell
