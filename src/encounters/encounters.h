#pragma once
// The monster menu and the 41 encounters, one entry operation each.

#include "character/record.h"

namespace emberfell {

void monster(vars& v);

void squirrel(vars& v);
void rabbit(vars& v);
void snake(vars& v);
void imp(vars& v);
void goblin(vars& v);
void bear(vars& v);
void nightstalker(vars& v);
void waterele(vars& v);
void thief(vars& v);
void ogre(vars& v);
void fireele(vars& v);
void genie(vars& v);
void centaur(vars& v);
void harpy(vars& v);
void earthele(vars& v);
void knight(vars& v);
void wizard(vars& v);
void golem(vars& v);
void giant(vars& v);
void basilisk(vars& v);
void windele(vars& v);
void demon(vars& v);
void destructionele(vars& v);
void sapphiredrag(vars& v);
void emeralddrag(vars& v);
void rubydrag(vars& v);
void diamonddrag(vars& v);
void onyxdrag(vars& v);
void golddrag(vars& v);
void moondrag(vars& v);
void snape(vars& v);
void dragonfly(vars& v);
void shadowcat(vars& v);
void face(vars& v);
void crystaldrag(vars& v);
void guildmaster(vars& v);
void skeleton(vars& v);
void troll(vars& v);
void demonlord(vars& v);
void kingdrag1(vars& v);
void kingdrag2(vars& v);

}  // namespace emberfell
