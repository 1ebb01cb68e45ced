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
    return name;
}

}  // namespace emberfell
