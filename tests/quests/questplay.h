#pragma once
// What the quest tests share: a knight strong enough to end every fight with
// one blow, the typed answers for a row of such fights, and the monsters a
// transcript shows, read from their intro texts.

#include <string>
#include <vector>

#include "character/record.h"

namespace emberfell::testing {

// Level 100 (so no level advancement asks for points), every stat at its cap,
// and an attack of 31000: more than the first King of Dragons' 30000 HP;
// `quest` is the quest on the board.
vars strongknight(int quest = 1);

// The answers for `count` fights won by the first Attack of each.
std::string attacks(int count);

// The answers for running away from `count` fights.
std::string flights(int count);

// The monsters met, in order, by their intro texts.
std::vector<std::string> monstersmet(const std::string& transcript);

// True when the screens (each the text between two clears, title line
// included) appear whole in the transcript, in this order.
bool hasscreens(const std::string& transcript, const std::vector<std::string>& wanted);

}  // namespace emberfell::testing
