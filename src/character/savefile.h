#pragma once

#include <string>

#include "character/record.h"

namespace emberfell {

// Save the knight after a confirmation, in saves/<name>.
void zsave(vars v);

// Load a knight by the name typed; false when there was none to load.
bool zload(vars& v);

// The save file's 29 lines for this record.
std::string savetext(const vars& v);

// Fill the record from a save file's text. Lines that hold no whole number
// leave their field as it was; numbers beyond 32 bits are cut to its range.
// The name is the line after the one the 28th number ends on, as a name is
// kept (cutname); where that keeps nothing, `fallbackname`, kept the same
// way (the file's own name).
void readsave(vars& v, const std::string& text, const std::string& fallbackname);

// The name a save file's text gives its knight when it is loaded by the
// name `filename` (readsave's); "" when neither gives one.
std::string savename(const std::string& text, const std::string& filename);

}  // namespace emberfell
