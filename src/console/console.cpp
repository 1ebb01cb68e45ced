#include "console/console.h"

#include <cstdlib>

namespace emberfell {

namespace {
Console* current = nullptr;
}

Console& console() {
    if (!current) current = &platformconsole();
    return *current;
}

void setconsole(Console& c) { current = &c; }
void resetconsole() { current = nullptr; }

std::istream& in() { return console().in(); }
std::ostream& out() { return console().out(); }
void clear() { console().clear(); }
void waitkey() { console().waitkey(); }
void makedir(const std::string& path) { console().makedir(path); }
bool replacefile(const std::string& from, const std::string& to) {
    return console().replacefile(from, to);
}
std::time_t now() { return console().now(); }
void end(int status) {
    console().end(status);
    std::abort();  // every console's end ends the program
}

}  // namespace emberfell
