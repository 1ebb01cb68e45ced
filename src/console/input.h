#pragma once
// Reading the player's answers. Every prompt of the game reads through one of
// these; the end of input at any of them ends the program with status 0.

#include <string>

namespace emberfell {

// One answer character: the first non-blank character typed. The rest of the
// line stays in the input for the next read.
char readanswer();

// Skip the rest of the typed line: at most 80 characters, through the line end.
void discardline();

// One whole number. Its line end stays in the input. Input that is not a whole
// number, or a number too large for 32 bits, names nothing: the rest of that
// line is skipped and 0 comes back.
int readnumber();

// A name: the rest of the input line, at most 25 characters, blanks included;
// the rest of the line is then skipped. An empty line gives an empty name.
std::string readname();

// A name as the record keeps it: at most 25 bytes, and a letter of several
// bytes (UTF-8) that does not fit whole is left out whole.
std::string cutname(const std::string& name);

}  // namespace emberfell
