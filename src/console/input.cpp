#include "console/input.h"

#include <algorithm>
#include <istream>
#include <limits>
#include <string_view>

#include "console/console.h"

namespace emberfell {

namespace {

// The characters skipped after an answer or a name.
constexpr std::streamsize discarded = 80;

#ifdef _WIN32
// The Windows console shows names in its code page (437), which has a letter
// for every byte from 0x80 up: none of them is a control code there.
constexpr bool utf8 = false;
#else
// Names are UTF-8, as the terminal shows them; a byte from 0x80 to 0x9F
// that is no part of a letter is a control code (C1) to some terminals.
constexpr bool utf8 = true;
#endif

constexpr unsigned char escape = 0x1b;

bool within(unsigned char c, unsigned char low, unsigned char high) {
    return c >= low && c <= high;
}

// The letters of UTF-8 (RFC 3629): the first byte's range, the bytes of the
// letter in all, and the second byte's range; every later byte is 0x80 to
// 0xBF.
struct Letterform {
    unsigned char first, last;
    std::size_t bytes;
    unsigned char low, high;
};
constexpr Letterform letterforms[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

// The form of the UTF-8 letter this byte begins; none when it begins none.
const Letterform* formof(unsigned char first) {
    for (const Letterform& form : letterforms) {
        if (within(first, form.first, form.last)) return &form;
    }
    return nullptr;
}

// The bytes of the UTF-8 letter `text` begins with; 0 when it begins with
// none (a stray byte, a letter cut short).
std::size_t letterbytes(std::string_view text) {
    const auto byte = [&](std::size_t n) { return static_cast<unsigned char>(text[n]); };
    const Letterform* form = formof(byte(0));
    if (!form || text.size() < form->bytes || !within(byte(1), form->low, form->high)) return 0;
    for (std::size_t n = 2; n < form->bytes; ++n) {
        if (!within(byte(n), 0x80, 0xBF)) return 0;
    }
    return form->bytes;
}

// The bytes of the key's escape sequence `text` begins with (at its ESC);
// a sequence cut short by the end of the text goes to its end.
std::size_t escapebytes(std::string_view text) {
    Keyscan scan;
    for (std::size_t n = 1; n < text.size(); ++n) {
        switch (scan.next(static_cast<unsigned char>(text[n]))) {
            case Keyscan::Step::more:
                break;
            case Keyscan::Step::taken:
                return n + 1;
            case Keyscan::Step::left:
                return n;
        }
    }
    return text.size();
}

// The marks that turn the direction of the text after them, in UTF-8: the
// Arabic letter mark, the left-to-right and right-to-left marks, the
// embeddings and overrides, and the isolates.
bool bidicontrol(std::string_view letter) {
    static constexpr std::string_view marks[] = {
        "\u061C", "\u200E", "\u200F", "\u202A", "\u202B", "\u202C",
        "\u202D", "\u202E", "\u2066", "\u2067", "\u2068", "\u2069",
    };
    return std::find(std::begin(marks), std::end(marks), letter) != std::end(marks);
}

// The name without control codes and keys' escape sequences.
std::string withoutcontrols(std::string_view name) {
    std::string kept;
    for (std::size_t at = 0; at < name.size();) {
        const std::string_view rest = name.substr(at);
        const auto c = static_cast<unsigned char>(rest[0]);
        std::size_t bytes = 1;
        bool control = c < 0x20 || c == 0x7F;
        if (c == escape) {
            bytes = escapebytes(rest);
        } else if (c >= 0x80 && utf8) {
            bytes = letterbytes(rest);
            // U+0080 to U+009F, or a byte 0x80 to 0x9F that is no part of a letter.
            control = bytes == 0 ? c <= 0x9F
                                 : (c == 0xC2 && static_cast<unsigned char>(rest[1]) <= 0x9F) ||
                                       bidicontrol(rest.substr(0, bytes));
            bytes = std::max<std::size_t>(bytes, 1);
        }
        if (!control) kept.append(rest.substr(0, bytes));
        at += bytes;
    }
    return kept;
}

// Past the rest of a key's escape sequence, whose ESC has been read.
void skipkey(std::istream& s) {
    Keyscan scan;
    for (int c = s.peek(); c != std::char_traits<char>::eof(); c = s.peek()) {
        const Keyscan::Step step = scan.next(static_cast<unsigned char>(c));
        if (step == Keyscan::Step::left) return;
        s.get();
        if (step == Keyscan::Step::taken) return;
    }
}

}  // namespace

Keyscan::Step Keyscan::next(unsigned char c) {
    const bool final = within(c, 0x40, 0x7E);
    switch (at) {
        case At::start: {
            if (c == '[') at = At::csifirst;
            if (c == 'O') at = At::ss3;
            if (at != At::start) return Step::more;
            if (within(c, 0x20, 0x7E)) return Step::taken;
            // Alt with a letter of UTF-8: the letter's first byte tells its length.
            const Letterform* form = formof(c);
            following = form ? static_cast<int>(form->bytes) - 1 : -1;
            at = At::letter;
            return following > 0 ? Step::more : Step::left;
        }
        case At::csifirst:
            if (c == '[') {
                at = At::linuxkey;
                return Step::more;
            }
            at = At::csi;
            [[fallthrough]];
        case At::csi:
            if (within(c, 0x20, 0x3F)) return Step::more;
            return final ? Step::taken : Step::left;
        case At::linuxkey:
            return final ? Step::taken : Step::left;
        case At::ss3:
            if (within(c, 0x30, 0x3F)) return Step::more;
            return within(c, 0x20, 0x7E) ? Step::taken : Step::left;
        case At::letter:
            if (!within(c, 0x80, 0xBF)) return Step::left;
            return --following > 0 ? Step::more : Step::taken;
    }
    return Step::left;
}

char readanswer() {
    char c = 0;
    // A key that sends an escape sequence (an arrow, F5) adds nothing to the
    // line.
    while (in() >> c && c == static_cast<char>(escape)) skipkey(in());
    if (!in()) end(0);
    return c;
}

void discardline() {
    in().ignore(discarded, '\n');
}

int readnumber() {
    std::istream& s = in();
    int n = 0;
    if (s >> n) return n;
    if (s.eof()) end(0);
    s.clear();
    s.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    return 0;
}

std::string readname() {
    std::istream& s = in();
    constexpr int endofinput = std::char_traits<char>::eof();
    if (s.peek() == endofinput) end(0);
    // The name's 25 characters and the 80 skipped after them: the keys'
    // escape sequences typed among them leave room for letters.
    constexpr std::size_t longestline = longestname + static_cast<std::size_t>(discarded);
    std::string line;
    for (int c = s.peek(); line.size() < longestline && c != endofinput && c != '\n'; c = s.peek())
        line += static_cast<char>(s.get());
    if (line.size() < longestline) s.ignore(1, '\n');
    return cutname(line);
}

std::string cutname(const std::string& name) {
    std::string cut = withoutcontrols(name).substr(0, longestname);
    // Back over the bytes that continue a letter to the byte that begins it;
    // if the letter needs more bytes than are left, it goes.
    std::size_t start = cut.size();
    int following = 0;
    while (start > 0 && following < 3 && (cut[start - 1] & 0xC0) == 0x80) {
        --start;
        ++following;
    }
    if (start == 0) return cut;
    const auto first = static_cast<unsigned char>(cut[start - 1]);
    const int needed = first >= 0xF0 ? 3 : first >= 0xE0 ? 2 : first >= 0xC0 ? 1 : 0;
    if (needed > following) cut.erase(start - 1);
    return cut;
}

}  // namespace emberfell
