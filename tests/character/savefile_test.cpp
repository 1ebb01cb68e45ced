// Save files: the 29-line format through the save and load screens, what the game
// refuses or takes in its stride, and saves that fail without harm.

#include "character/savefile.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "console/input.h"
#include "support/knights.h"
#include "support/scratch.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

const std::string aylafile = savefile("Ayla");

std::string crlf(const std::string& text) {
    std::string ends;
    for (char c : text) ends += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return ends;
}

// A text as a save file holds it: with the platform's line ends.
std::string saved(const std::string& text) {
#ifdef _WIN32
    return crlf(text);
#endif
    return text;
}
const std::string asked = titleline + "Are you sure you want to save? \n\n";
const std::string saving = asked + "                                saving...\n\n";
const std::string loading =
    titleline + "Enter character name to load: \n\n" + std::string(34, ' ') + "loading...\n\n";
const std::string openerror = "                  An error occured while opening the file\n\n[key]";
const vars ayla{.name = "Ayla"};

// Save after answering `typed`; a failing write is a full disk or a crash.
std::string save(const vars& v, const std::string& typed = "y\n", bool writes = true) {
    Session s(typed);
    if (!writes) {
        s.con.onwrite = [](const std::string&, const std::string&) { return Written::unwritten; };
    }
    return s.run([&] { zsave(v); });
}

// Load by the typed name; `shown` gets the screen and the start menu's answer.
vars load(const std::string& name, std::string* shown = nullptr) {
    vars v;
    bool loaded = false;
    Session s(name + "\n");
    const std::string screen = s.run([&] { loaded = zload(v); });
    if (shown) *shown = screen + (loaded ? "l" : "0");
    return v;
}

TEST(SaveFile, EveryLineInItsPlaceThroughSaveAndLoad) {
    Scratch dir;
    EXPECT_EQ(save(ayla, "no\n"), asked + "                                not saved\n\n[key]");
    EXPECT_EQ(save(ayla), saving + "                                saved\n\n[key]");
    EXPECT_EQ(dir.read("saves/Ayla"), saved(aylafile));
    // Every line a value of its own, under a name with blanks.
    // clang-format off
    const vars bold{.maxhp = 1, .str = 2, .vit = 3, .atk = 4, .def = 5, .gold = 6, .level = 7,
                    .exp = 8, .expneed = 9, .maxmp = 10, .kills = 11, .quest = 17, .hp = 12,
                    .mp = 13, .spells = 14, .weapon = 15, .armor = 16, .wis = 27, .wil = 28,
                    .name = "Sir Ayla the Bold", .party = {18, 19, 20, 21, 22, 23, 24, 25, 26}};
    // clang-format on
    save(bold);
    const std::string text = savefile("Sir Ayla the Bold", bold);
    EXPECT_EQ(dir.read("saves/Sir Ayla the Bold"), saved(text));
    std::string shown;
    EXPECT_EQ(savetext(load("Sir Ayla the Bold", &shown)), text);
    EXPECT_EQ(shown, loading + "                                  loaded\n\n[key]l");
    EXPECT_EQ(std::distance(fs::directory_iterator("saves"), {}), 2);  // nothing else left behind
}

TEST(LoadFile, RefusesWhatIsNoSaveAndTakesHandEditedFiles) {
    Scratch dir;
    fs::create_directories("saves/a");
    dir.write("saves/a/b", aylafile);
    dir.write("Ayla", aylafile);
    for (const char* name : {"Nobody", "a", "", ".", "..", "a/b", "../Ayla"}) {
        std::string shown;
        EXPECT_EQ(savetext(load(name, &shown)), savetext(vars{})) << name;
        EXPECT_EQ(shown, loading + openerror + "0") << name;
    }
    for (const vars& v : {vars{.name = "."}, vars{.name = ".."}, vars{.name = "a/b"}})
        EXPECT_EQ(save(v), saving + openerror) << v.name;
    // Hand-edited files load without harm.
    dir.write("saves/Ayla", "42" + crlf(aylafile.substr(2)));
    EXPECT_EQ(savetext(load("Ayla")), "42" + aylafile.substr(2));
    // Words that are no numbers leave their field, numbers beyond 32 bits are
    // cut to the range, and a short file keeps the rest and the typed name.
    dir.write("saves/Ayla", "500\nabc\n99999999999999999999\n-99999999999999999999\n+12\n");
    const vars edited{.maxhp = 500, .vit = INT_MAX, .atk = INT_MIN, .def = 12, .name = "Ayla"};
    EXPECT_EQ(savetext(load("Ayla")), savetext(edited));
    // The name is the line after the 28th number's, without control codes;
    // where that leaves none (a NUL first, the first byte of a letter alone,
    // controls alone), the file's own, so the knight can be saved.
    const std::string numbers = aylafile.substr(0, aylafile.size() - 6);
    for (const auto& [end, name] : {std::pair{"\nSir\0 Ann\r\n"s, "Sir Ann"},
                                    {" junk\nAnn\n"s, "Ann"},
                                    {"\n\0Nul\n"s, "Nul"},
                                    {"\n\xC3\n"s, "Ayla"},
                                    {"\n\x1b[2J\x07\r\n"s, "Ayla"}}) {
        dir.write("saves/Ayla", numbers + end);
        EXPECT_EQ(load("Ayla").name, std::string(name)) << end;
        EXPECT_EQ(savename(numbers + end, "Ayla"), name) << end;
    }
    EXPECT_EQ(savename(numbers, "\x1b[DAyla\x07"), "Ayla");
    EXPECT_EQ(savename("", ""), "");
    // Fourteen letters of two bytes each: the name keeps twelve of them whole.
    std::string name;
    for (int i = 0; i < 14; ++i) name += "\xC3\x86";
    dir.write("saves/Ayla", aylafile.substr(0, aylafile.size() - 5) + name + "\n");
    EXPECT_EQ(load("Ayla").name, name.substr(0, 24));
    EXPECT_EQ(cutname(name + "x"), name.substr(0, 24));
    EXPECT_EQ(cutname("Ayla \xE2\x9C\x93"), "Ayla \xE2\x9C\x93");  // whole: kept
    EXPECT_EQ(cutname(std::string(23, 'a') + "\xE2\x9C\x93"), std::string(23, 'a'));
}

TEST(SaveFailure, PreviousSaveStaysWholeAndLoadable) {
    Scratch dir;
    const vars old{.gold = 100, .name = "Ayla"}, next{.gold = 999, .name = "Ayla"};
    const std::string failed =
        saving + "                  An error occured while writing the file\n\n[key]";
    save(old);
    EXPECT_EQ(save(next, "y\n", false), failed);
    EXPECT_EQ(dir.read("saves/Ayla"), saved(savetext(old)));
    EXPECT_EQ(load("Ayla").gold, 100);
    // With room again, the next save takes the old one's place.
    save(next);
    EXPECT_EQ(load("Ayla").gold, 999);
    // A write-protected save, and a directory in the way, cannot be opened.
    fs::permissions("saves/Ayla", fs::perms::owner_read);
    fs::create_directory("saves/Anna");
    EXPECT_EQ(save(old), saving + openerror);
    EXPECT_EQ(save(vars{.name = "Anna"}), saving + openerror);
    EXPECT_EQ(load("Ayla").gold, 999);
    EXPECT_EQ(std::distance(fs::directory_iterator("saves"), {}), 2);
    fs::permissions("saves/Ayla", fs::perms::owner_all);
}

}  // namespace
}  // namespace emberfell::testing
