#include "console/input.h"

#include <istream>
#include <limits>

#include "console/console.h"

namespace emberfell {

char readanswer() {
    char c = 0;
    if (!(in() >> c)) end(0);
    return c;
}

void discardline() {
    in().ignore(80, '\n');
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
    std::string name;
    for (int c = s.peek(); name.size() < 25 && c != endofinput && c != '\n'; c = s.peek()) {
        s.get();
        // A NUL byte cannot be kept in the record's name: it is dropped, so
        // the name kept is the name shown.
        if (c != '\0') name += static_cast<char>(c);
    }
    discardline();
    // A line typed or piped with a CR LF line end keeps no CR in the name.
    if (!name.empty() && name.back() == '\r') name.pop_back();
    return cutname(name);
}

std::string cutname(const std::string& name) {
    constexpr std::size_t longest = 25;
    std::string cut = name.substr(0, longest);
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
