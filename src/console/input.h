#pragma once
// Reading the player's answers. Every prompt of the game reads through one of
// these; the end of input at any of them ends the program with status 0.

#include <cstddef>
#include <string>

namespace emberfell {

// The most bytes a knight's name has.
inline constexpr std::size_t longestname = 25;

// One answer character: the first non-blank character typed, keys' escape
// sequences (Keyscan) passed over. The rest of the line stays in the input
// for the next read.
char readanswer();

// Skip the rest of the typed line: at most 80 characters, through the line end.
void discardline();

// One whole number. Its line end stays in the input. Input that is not a whole
// number, or a number too large for 32 bits, names nothing: the rest of that
// line is skipped and 0 comes back.
int readnumber();

// A name: the rest of the input line, blanks included, as cutname keeps it;
// the line is read as far as the name and the skipped rest of the line (80
// characters) reach. An empty line gives an empty name.
std::string readname();

// The bytes of one key's escape sequence, read one at a time after its ESC:
// CSI (ESC [, parameters, intermediates and a final byte), the Linux
// console's function keys (ESC [ [ and a letter), SS3 (ESC O, a modifier's
// digits and a final byte), or ESC and one character (Alt with a key, a
// letter of UTF-8 included). The key wait and the names both read keys so.
class Keyscan {
  public:
    enum class Step {
        more,   // the byte is part of the key, and more bytes follow
        taken,  // the byte is the key's last
        left,   // the byte is not part of the key: the key ended before it
    };
    Step next(unsigned char c);

  private:
    enum class At { start, csifirst, csi, linuxkey, ss3, letter } at = At::start;
    int following = 0;  // the bytes a letter still needs
};

// A name as the record keeps it, typed, loaded or imported: text, never a
// terminal's command. Control codes go (C0, DEL, C1, and the marks that
// turn the direction of text: U+061C, U+200E, U+200F, U+202A to U+202E,
// U+2066 to U+2069), and the escape sequence of a key (Keyscan) goes whole;
// the letters stay as they were, UTF-8 included. Then at most 25 bytes are
// kept, and a letter of several bytes that does not fit whole is left out
// whole.
std::string cutname(const std::string& name);

}  // namespace emberfell
