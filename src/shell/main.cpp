// Emberfell: the game on the platform's own console.
#include "console/console.h"
#include "shell/commandline.h"

int main(int argc, char* argv[]) {
    emberfell::Console& console = emberfell::platformconsole();
    emberfell::setconsole(console);
    const int status = emberfell::run(argc, argv);
    console.end(status);
}
