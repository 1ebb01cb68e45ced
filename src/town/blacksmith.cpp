// Not built yet.
#include "town/town.h"

namespace emberfell {

void blacksmith(vars&) {}

}  // namespace emberfell
