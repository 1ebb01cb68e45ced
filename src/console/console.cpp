#include "console/console.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "console/unfinished.h"

namespace emberfell {

namespace {

Console* current = nullptr;

namespace fs = std::filesystem;

// A name beside `target` that nothing has yet, for the text to be written to
// before it takes the target's place. It is longer than a knight's name can
// be, so it is never anybody's save.
fs::path unusedname(const fs::path& target) {
    std::random_device random;
    std::error_code error;
    fs::path temporary;
    do {
        temporary =
            target.parent_path() / (std::string(unfinishedprefix) + std::to_string(random()));
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
    return directory + separator + std::string(unfinishedprefix) + std::to_string(writer) + "-" +
           std::to_string(count);
}

unsigned long unfinishedwriter(std::string_view name) {
    if (name.substr(0, unfinishedprefix.size()) != unfinishedprefix) return 0;
    name.remove_prefix(unfinishedprefix.size());
    unsigned long writer = 0;
    std::size_t digits = 0;
    for (; digits < name.size() && digits < 9 && name[digits] >= '0' && name[digits] <= '9';
         ++digits)
        writer = writer * 10 + static_cast<unsigned long>(name[digits] - '0');
    return digits > 0 && digits < name.size() && name[digits] == '-' ? writer : 0;
}

bool Console::takesname(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

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

}  // namespace emberfell
