#include "character/savefile.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "character/title.h"
#include "character/yes.h"
#include "console/console.h"
#include "console/input.h"

namespace emberfell {

namespace {

const char* const openerror = "                  An error occured while opening the file\n\n";
const char* const writeerror = "                  An error occured while writing the file\n\n";

// A save file is a few hundred bytes; a file far beyond that is no save, and
// is read no further than this.
constexpr std::streamsize largestsave = 1 << 20;

// Lines 1 to 28 of a save file, in their order.
std::array<std::int32_t*, 28> numberlines(vars& v) {
    return {&v.maxhp,    &v.str,      &v.vit,      &v.atk,      &v.def,      &v.gold,
            &v.level,    &v.exp,      &v.expneed,  &v.maxmp,    &v.kills,    &v.hp,
            &v.mp,       &v.spells,   &v.weapon,   &v.armor,    &v.quest,    &v.party[0],
            &v.party[1], &v.party[2], &v.party[3], &v.party[4], &v.party[5], &v.party[6],
            &v.party[7], &v.party[8], &v.wis,      &v.wil};
}

std::string savepath(const std::string& name) {
    return "saves/" + name;
}

// A number as the game reads one: an optional sign and digits at the start
// of the word; beyond 32 bits it is cut to the range.
bool parsenumber(const std::string& word, std::int32_t& value) {
    const char* first = word.data();
    const char* last = first + word.size();
    bool negative = false;
    if (first != last && (*first == '+' || *first == '-')) negative = *first++ == '-';
    if (first == last || *first < '0' || *first > '9') return false;
    std::int64_t n = 0;
    for (; first != last && *first >= '0' && *first <= '9'; ++first) {
        n = n * 10 + (*first - '0');
        if (n > (std::int64_t{1} << 32)) n = std::int64_t{1} << 32;
    }
    value = clamp32(negative ? -n : n);
    return true;
}

}  // namespace

std::string savetext(const vars& v) {
    vars copy = v;
    std::ostringstream text;
    for (std::int32_t* field : numberlines(copy)) text << *field << "\n";
    text << v.name << "\n";
    return text.str();
}

void readsave(vars& v, const std::string& text, const std::string& fallbackname) {
    std::istringstream file(text);
    std::string word;
    for (std::int32_t* field : numberlines(v)) {
        if (!(file >> word)) break;
        parsenumber(word, *field);
    }
    // The rest of the 28th number's line, then the name's line.
    std::string line;
    file.ignore(static_cast<std::streamsize>(text.size()) + 1, '\n');
    std::getline(file, line);
    const std::string name = cutname(line);
    setname(v, (name.empty() ? cutname(fallbackname) : name).c_str());
}

std::string savename(const std::string& text, const std::string& filename) {
    vars loaded;
    readsave(loaded, text, filename);
    return loaded.name;
}

void zsave(vars v) {
    title();
    out() << "Are you sure you want to save? ";
    if (!readyes()) {
        out() << "\n\n                                not saved\n\n";
        waitkey();
        return;
    }
    out() << "\n\n                                saving...\n\n";
    makedir("saves");
    const Written written =
        takesname(v.name) ? writewhole(savepath(v.name), savetext(v)) : Written::unopened;
    if (written == Written::whole) {
        out() << "                                saved\n\n";
    } else {
        out() << (written == Written::unwritten ? writeerror : openerror);
    }
    waitkey();
}

bool zload(vars& v) {
    title();
    out() << "Enter character name to load: ";
    const std::string name = readname();
    out() << "\n\n                                  loading...\n\n";
    std::ifstream file;
    std::error_code ignored;
    // Only a plain file can be a save: a directory, a pipe or a device (one
    // that never ends, or one that waits) is refused like a missing file.
    if (takesname(name) && std::filesystem::is_regular_file(savepath(name), ignored)) {
        file.open(savepath(name), std::ios::binary);
    }
    if (!file.is_open()) {
        out() << openerror;
        waitkey();
        return false;
    }
    std::string text(static_cast<std::size_t>(largestsave), '\0');
    file.read(text.data(), largestsave);
    text.resize(static_cast<std::size_t>(file.gcount()));
    readsave(v, text, name);
    out() << "                                  loaded\n\n";
    waitkey();
    return true;
}

}  // namespace emberfell
