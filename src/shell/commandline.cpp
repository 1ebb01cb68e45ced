#include "shell/commandline.h"

#include <ostream>
#include <string>
#include <string_view>

#include "console/console.h"
#include "console/input.h"
#include "console/plain.h"
#include "shell/menus.h"

namespace emberfell {

namespace {

constexpr const char* usage =
    "Usage: emberfell [--plain]\n"
    "A knight against the King of Dragons, in the terminal.\n"
    "\n"
    "  --plain  the game's words alone, for screen readers and braille displays:\n"
    "           no screen clears, frames or block letters; every key wait said\n"
    "  --help   show this text\n";

// The game with its words alone on the current console, which is current
// again however the game ends.
int playplain() {
    struct Plain {
        Console& screen = console();
        PlainConsole words{screen};
        Plain() { setconsole(words); }
        ~Plain() { setconsole(screen); }
    } plain;
    return play();
}

}  // namespace

int run(int argc, const char* const argv[]) {
    bool plain = false;
    for (int n = 1; n < argc; ++n) {
        const std::string_view argument = argv[n];
        if (argument == "--help") {
            out() << usage;
            return 0;
        }
        if (argument != "--plain") {
            // Typed, so text: no control code of it reaches the terminal.
            err() << "emberfell: unknown option " << cutname(std::string(argument)) << "\n"
                  << usage;
            return 2;
        }
        plain = true;
    }
    return plain ? playplain() : play();
}

}  // namespace emberfell
