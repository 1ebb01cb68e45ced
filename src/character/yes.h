#pragma once
// The game's yes-or-no questions (save, rest, buy a spell, take a quest, run
// away): "Y" or "y" is yes, any other answer no. The rest of the typed line
// stays in the input.

#include "console/input.h"

namespace emberfell {

inline bool readyes() {
    const char answer = readanswer();
    return answer == 'y' || answer == 'Y';
}

}  // namespace emberfell
