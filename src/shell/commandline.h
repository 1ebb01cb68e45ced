#pragma once
// The game's command line: --help, and --plain for the words alone.

namespace emberfell {

// Play as the arguments after the program's name ask, on the current
// console; gives the exit status: 0, or 2 for an argument the game does not
// know (the usage then goes to the error output).
int run(int argc, const char* const argv[]);

}  // namespace emberfell
