#pragma once
// The files a save is written to before it takes the old save's place, as
// every console names them. New text goes to a file of its own beside the
// old one: the prefix, the writing game's process id (ten digits, zeros in
// front), a dash and a count. Such a name is longer than a knight's name can
// be, so it is never anybody's save, and it tells which game wrote it, so
// that the files of games killed while they saved can be tidied without
// touching a running game's.

#include <string>
#include <string_view>

namespace emberfell {

inline constexpr std::string_view unfinishedprefix = ".emberfell-unfinished-";

// The name of a game's unfinished file in `directory` (`separator` between).
std::string unfinishedname(const std::string& directory, char separator, unsigned long writer,
                           int count);

// The process that wrote an unfinished file of this name, or 0 when the name
// is not one. A name of 25 bytes or fewer never is, whatever it looks like:
// it may be a knight's. (Earlier games wrote the id without zeros; their
// files of one-digit processes are left where they are.)
unsigned long unfinishedwriter(std::string_view name);

}  // namespace emberfell
