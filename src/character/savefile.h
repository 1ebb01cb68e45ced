#pragma once

#include <string>

#include "character/record.h"

namespace emberfell {

// Save the knight after a confirmation, in saves/<name>.
void zsave(vars v);

// Load a knight by the name typed; on failure sets `answer` to '0' so that
// the start menu goes on.
void zload(vars& v, char& answer);

// The save file's 29 lines for this record.
std::string savetext(const vars& v);

// Fill the record from a save file's text. Lines that hold no whole number
// leave their field as it was; numbers beyond 32 bits are cut to its range.
// A file with no name on its last line keeps `fallbackname`.
void readsave(vars& v, const std::string& text, const std::string& fallbackname);

}  // namespace emberfell
