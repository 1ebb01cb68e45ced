#include "character/title.h"

#include <ostream>

#include "console/console.h"

namespace emberfell {

void title() {
    clear();
    heading("                             Emberfell\n");
    out() << "\n";
}

}  // namespace emberfell
