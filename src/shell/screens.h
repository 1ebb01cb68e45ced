#pragma once
// The start menu's information screens (and the screen header, title(),
// which lives with the record so that every layer can use it).

#include "character/title.h"

namespace emberfell {

// The title screen: banner, the "Press Enter" frame and the version.
void titlescreen();

void story();
void instruction();
void credit();

}  // namespace emberfell
