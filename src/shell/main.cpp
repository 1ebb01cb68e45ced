// Emberfell: the game on the platform's own console.
#include "console/console.h"
#include "shell/menus.h"

int main() {
    emberfell::Console& console = emberfell::platformconsole();
    emberfell::setconsole(console);
    const int status = emberfell::play();
    console.end(status);
}
