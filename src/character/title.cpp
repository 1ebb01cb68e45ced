#include "character/title.h"

#include <ostream>

#include "console/console.h"

namespace emberfell {

void title() {
    clear();
    out() << "                             Emberfell\n\n";
}

}  // namespace emberfell
