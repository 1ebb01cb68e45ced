#pragma once
// The screen header every scene after the title screen begins with.

namespace emberfell {

// Clear the screen and print the title line.
void title();

}  // namespace emberfell
