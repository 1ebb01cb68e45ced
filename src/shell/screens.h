#pragma once
// The title screen and the start menu's information screens.

namespace emberfell {

// The title screen: banner, the "Press Enter" frame and the version.
void titlescreen();

void story();
void instruction();
void credit();

}  // namespace emberfell
