#pragma once
// A fight's moving parts: the player's turn, the companions' attacks, the
// outcome test and death, level advancement, and the shared calculations.

#include "character/record.h"

namespace emberfell {

// The game's only source of chance: 1, 2 or 3, the C library's generator
// seeded with the clock's whole seconds on every draw.
int random();

int attack(vars v);        // 2 x (str + atk)
int defense(vars v);       // vit + def
void hpdisp(vars v);       // "HP: hp/maxhp" and "MP: mp/maxmp"
double wisdom(vars v);     // the spells' cost factor
double willpower(vars v);  // the spells' power factor

// Where a fight stands: it goes on, the monster is dead, or the knight ran
// away.
enum class outcome { fighting, won, fled };

// One whole player's turn: attack, a spell, or a paid flight.
void battle(int& enemyhp, vars& v, outcome& result);

// The companions who have joined each strike once.
void group(int& enemyhp, vars& v);

// Won when the monster is dead (announced, kill counted), else fighting;
// never returns when the player has fallen.
outcome winlose(int enemyhp, vars& v);

// The death screen; ends the program with status 0.
[[noreturn]] void die();

// At most one level per call.
void lvlup(vars& v);

}  // namespace emberfell
