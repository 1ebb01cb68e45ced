// Not built yet.
#include "town/town.h"

namespace emberfell {

void magicshop(vars&) {}

}  // namespace emberfell
