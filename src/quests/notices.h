#pragma once
// The notices of the quest board, one per quest, in the order they come.

#include <span>

#include "character/record.h"

namespace emberfell {

struct notice {
    const char* text;  // heading, reward lines, "Info:" and the info lines
    void (*script)(vars&);
};

// Notice n of the board is element n - 1.
std::span<const notice> questnotices();

}  // namespace emberfell
