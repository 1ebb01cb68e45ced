// Not built yet: the encounters come with the combat work.
#include "encounters/encounters.h"

namespace emberfell {

void monster(vars&) {}
void squirrel(vars&) {}
void rabbit(vars&) {}
void snake(vars&) {}
void imp(vars&) {}
void goblin(vars&) {}
void bear(vars&) {}
void nightstalker(vars&) {}
void waterele(vars&) {}
void thief(vars&) {}
void ogre(vars&) {}
void fireele(vars&) {}
void genie(vars&) {}
void centaur(vars&) {}
void harpy(vars&) {}
void earthele(vars&) {}
void knight(vars&) {}
void wizard(vars&) {}
void golem(vars&) {}
void giant(vars&) {}
void basilisk(vars&) {}
void windele(vars&) {}
void demon(vars&) {}
void destructionele(vars&) {}
void sapphiredrag(vars&) {}
void emeralddrag(vars&) {}
void rubydrag(vars&) {}
void diamonddrag(vars&) {}
void onyxdrag(vars&) {}
void golddrag(vars&) {}
void moondrag(vars&) {}
void snape(vars&) {}
void dragonfly(vars&) {}
void shadowcat(vars&) {}
void face(vars&) {}
void crystaldrag(vars&) {}
void guildmaster(vars&) {}
void skeleton(vars&) {}
void troll(vars&) {}
void demonlord(vars&) {}
void kingdrag1(vars&) {}
void kingdrag2(vars&) {}

}  // namespace emberfell
