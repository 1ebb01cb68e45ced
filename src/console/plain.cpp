#include "console/plain.h"

#include <cstdlib>
#include <ostream>

namespace emberfell {

PlainConsole::PlainConsole(Console& screen) : screen(screen) {}

PlainConsole::~PlainConsole() {
    pass();
}

void PlainConsole::pass() {
    words.write(printed.str());
    printed.str("");
    screen.out() << words.take();
}

void PlainConsole::clear() {
    pass();
    words.newscreen();
}

void PlainConsole::waitkey() {
    pass();
    words.wait(awaited::key);
    pass();
    screen.waitkey();
}

void PlainConsole::end(int status) {
    pass();
    screen.end(status);
    std::abort();  // every console's end ends the program
}

void PlainConsole::drawing(std::string_view, std::string_view shown) {
    pass();
    words.drawing(shown);
}

void PlainConsole::heading(std::string_view line) {
    pass();
    words.heading(line);
}

void PlainConsole::enter(scene s) {
    pass();
    words.enter(s);
}

void PlainConsole::invalid() {
    pass();
    words.invalid();
}

PlainConsole::Lines::int_type PlainConsole::Lines::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    plain.pass();
    plain.words.wait(awaited::line);
    plain.pass();
    plain.screen.out().flush();
    std::istream& source = plain.screen.in();
    if (!std::getline(source, line)) return traits_type::eof();
    if (!source.eof()) line += '\n';
    setg(line.data(), line.data(), line.data() + line.size());
    return traits_type::to_int_type(*gptr());
}

}  // namespace emberfell
