#include "console/console.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <system_error>

#include "console/input.h"
#include "console/unfinished.h"

namespace emberfell {

namespace {

Console* current = nullptr;

namespace fs = std::filesystem;

// The digits of a writer in an unfinished file's name: enough for any
// process id, and enough that the name is longer than a knight's.
constexpr std::size_t writerdigits = 10;

// An unfinished file's name in its directory.
std::string unfinishedfile(unsigned long writer, int count) {
    std::string digits = std::to_string(writer);
    if (digits.size() < writerdigits) digits.insert(0, writerdigits - digits.size(), '0');
    return std::string(unfinishedprefix) + digits + "-" + std::to_string(count);
}

// A name beside `target` that nothing has yet, for the text to be written to
// before it takes the target's place: an unfinished file's name, with a
// random number for the writer, which has no process id here.
fs::path unusedname(const fs::path& target) {
    std::random_device random;
    std::error_code error;
    fs::path temporary;
    do {
        temporary = target.parent_path() / unfinishedfile(random(), 0);
    } while (fs::exists(fs::symlink_status(temporary, error)));
    return temporary;
}

// A file that is there but cannot take new text: not a plain file, write-
// protected (even against a user whom no protection stops), or refusing to
// be opened for writing.
bool writeprotected(const fs::path& target, const fs::file_status& status) {
    constexpr auto anywrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (!fs::is_regular_file(status)) return true;
    if ((status.permissions() & anywrite) == fs::perms::none) return true;
    return !std::ofstream(target, std::ios::app);
}

}  // namespace

std::string unfinishedname(const std::string& directory, char separator, unsigned long writer,
                           int count) {
    return directory + separator + unfinishedfile(writer, count);
}

unsigned long unfinishedwriter(std::string_view name) {
    if (name.size() <= longestname || !name.starts_with(unfinishedprefix)) return 0;
    name.remove_prefix(unfinishedprefix.size());
    std::uint64_t writer = 0;
    const char* const last = name.data() + std::min(name.size(), writerdigits);
    const auto [end, error] = std::from_chars(name.data(), last, writer);
    const bool dash = error == std::errc{} && end != name.data() + name.size() && *end == '-';
    return dash && writer <= 0xFFFFFFFF ? static_cast<unsigned long>(writer) : 0;
}

bool Console::takesname(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

std::ostream& Console::err() {
    return std::cerr;
}

void Console::drawing(std::string_view drawn, std::string_view) {
    out() << drawn;
}

void Console::heading(std::string_view line) {
    out() << line;
}

void Console::enter(scene) {}

void Console::invalid() {}

Written writewholeportably(const std::string& path, const std::string& text) {
    const fs::path target(path);
    std::error_code missing;
    const fs::file_status status = fs::status(target, missing);
    const bool replacing = fs::exists(status);
    if (replacing && writeprotected(target, status)) return Written::unopened;
    const fs::path temporary = unusedname(target);
    std::ofstream file(temporary);  // text mode: the platform's line ends
    if (!file) return Written::unopened;
    file << text;
    file.close();
    std::error_code error;
    if (!file.fail() && replacing) fs::permissions(temporary, status.permissions(), error);
    if (!file.fail() && !error) fs::rename(temporary, target, error);
    if (file.fail() || error) {
        fs::remove(temporary, error);
        return Written::unwritten;
    }
    return Written::whole;
}

Console& console() {
    if (!current) current = &platformconsole();
    return *current;
}

void setconsole(Console& c) {
    current = &c;
}
void resetconsole() {
    current = nullptr;
}

std::istream& in() {
    return console().in();
}
std::ostream& out() {
    return console().out();
}
std::ostream& err() {
    return console().err();
}
void clear() {
    console().clear();
}
void waitkey() {
    console().waitkey();
}
void makedir(const std::string& path) {
    console().makedir(path);
}
bool takesname(const std::string& name) {
    return console().takesname(name);
}
Written writewhole(const std::string& path, const std::string& text) {
    return console().writewhole(path, text);
}
std::time_t now() {
    return console().now();
}
void end(int status) {
    console().end(status);
    std::abort();  // every console's end ends the program
}
void drawing(std::string_view drawn, std::string_view words) {
    console().drawing(drawn, words);
}
void heading(std::string_view line) {
    console().heading(line);
}
void enter(scene s) {
    console().enter(s);
}
void invalid() {
    console().invalid();
}

}  // namespace emberfell
