#pragma once

#include "character/record.h"

namespace emberfell {

// The start menu: runs until a knight exists, new or loaded.
void startmenu(vars& v);

// The main menu: runs until the player chooses Exit.
void mainmenu(vars& v);

// The whole life of the game: title screen, start menu, main menu. Returns
// the exit status, 0, when the player chooses Exit.
int play();

}  // namespace emberfell
