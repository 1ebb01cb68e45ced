// Not built yet: the inn comes with the combat work.
#include "town/town.h"

namespace emberfell {

void inn(vars&) {}
void heal(vars& v) {
    v.hp = v.maxhp;
    v.mp = v.maxmp;
}

}  // namespace emberfell
