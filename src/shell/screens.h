#pragma once
// The screen header and the start menu's information screens.

namespace emberfell {

// Clear the screen and print the title line; every scene after the title
// screen begins with it.
void title();

// The title screen: banner, the "Press Enter" frame and the version.
void titlescreen();

void story();
void instruction();
void credit();

}  // namespace emberfell
