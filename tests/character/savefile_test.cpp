// Save files: the 29-line format, saving and loading through the game's own
// screens, and files and names that the game must refuse or take in its stride.

#include "character/savefile.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <string>

#include "character/record.h"
#include "console/input.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

namespace fs = std::filesystem;

const std::string aylafile =
    "10\n1\n1\n1\n1\n0\n1\n0\n4\n5\n0\n10\n5\n0\n0\n0\n1\n"
    "0\n0\n0\n0\n0\n0\n0\n0\n0\n1\n1\nAyla\n";

const std::string openerror = "                  An error occured while opening the file\n\n";

vars knight(const char* name) {
    vars v;
    setname(v, name);
    return v;
}

// Every field set to a value of its own, so a field read into the wrong
// place shows.
vars distinctknight() {
    vars v = knight("Sir Ayla");
    std::int32_t n = 100;
    for (std::int32_t* field :
         {&v.maxhp, &v.str, &v.vit, &v.atk, &v.def, &v.gold, &v.level, &v.exp, &v.expneed, &v.maxmp,
          &v.kills, &v.quest, &v.hp, &v.mp, &v.spells, &v.weapon, &v.armor, &v.wis, &v.wil}) {
        *field = n++;
    }
    for (std::int32_t& flag : v.party) flag = n++;
    v.level = -7;
    v.gold = INT_MAX;
    return v;
}

bool same(const vars& a, const vars& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(SaveFile, NewKnightAylaByteForByte) {
    TempDir dir;
    Session s("y\n");
    EXPECT_EQ(s.run([] { zsave(knight("Ayla")); }),
              titleline +
                  "Are you sure you want to save? \n\n"
                  "                                saving...\n\n"
                  "                                saved\n\n[key]");
    EXPECT_EQ(readfile("saves/Ayla"), aylafile);
    // Nothing else is left behind in the directory.
    int files = 0;
    for (const auto& entry : fs::directory_iterator("saves")) files += entry.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST(SaveFile, SavingAgainReplacesTheFile) {
    TempDir dir;
    vars v = knight("Ayla");
    v.gold = 12345;
    Session s("Y\ny\n");
    s.run([&] { zsave(v); });
    s.run([] { zsave(knight("Ayla")); });
    EXPECT_EQ(readfile("saves/Ayla"), aylafile);
}

TEST(SaveFile, AnythingButYesSavesNothing) {
    TempDir dir;
    for (const char* typed : {"n\n", "N\n", "x\n", "  yes\n"}) {
        Session s(typed);
        const std::string shown = s.run([] { zsave(knight("Ayla")); });
        if (typed[2] == 'y') continue;  // "yes" begins with y: that one saves
        EXPECT_EQ(shown, titleline +
                             "Are you sure you want to save? \n\n"
                             "                                not saved\n\n[key]")
            << typed;
        EXPECT_FALSE(fs::exists("saves")) << typed;
    }
    EXPECT_EQ(readfile("saves/Ayla"), aylafile);
}

TEST(SaveFile, ConfirmationLeavesTheRestOfTheLine) {
    TempDir dir;
    Session s("y and more\n");
    s.run([] { zsave(knight("Ayla")); });
    std::string rest;
    std::getline(s.con.in(), rest);
    EXPECT_EQ(rest, " and more");
}

TEST(SaveFile, RoundTripRestoresEveryField) {
    TempDir dir;
    const vars saved = distinctknight();
    Session s("y\nSir Ayla\n");
    // The confirmation leaves its line end for the next read; the start menu
    // would have skipped it.
    s.run([&] {
        zsave(saved);
        discardline();
    });
    EXPECT_TRUE(fs::exists("saves/Sir Ayla"));
    vars loaded;
    char answer = 'L';
    EXPECT_EQ(s.run([&] { zload(loaded, answer); }),
              titleline +
                  "Enter character name to load: \n\n"
                  "                                  loading...\n\n"
                  "                                  loaded\n\n[key]");
    EXPECT_EQ(answer, 'L');
    EXPECT_TRUE(same(loaded, saved));
    EXPECT_STREQ(loaded.name, "Sir Ayla");
}

TEST(SaveFile, QuestIsLineSeventeen) {
    vars v;
    std::string text = aylafile;
    text.replace(text.find("\n1\n0\n0\n0"), 3, "\n7\n");  // line 17 from 1 to 7
    readsave(v, text, "Ayla");
    EXPECT_EQ(v.quest, 7);
    EXPECT_EQ(v.hp, 10);
}

TEST(LoadFile, MissingSaveReturnsToTheStartMenu) {
    TempDir dir;
    vars v;
    const vars before = v;
    char answer = 'l';
    Session s("Nobody\n");
    EXPECT_EQ(s.run([&] { zload(v, answer); }),
              titleline +
                  "Enter character name to load: \n\n"
                  "                                  loading...\n\n" +
                  openerror + "[key]");
    EXPECT_EQ(answer, '0');
    EXPECT_TRUE(same(v, before));
}

TEST(LoadFile, NamesThatAreNotOneFileAreRefused) {
    TempDir dir;
    fs::create_directories("saves/sub");
    writefile("saves/sub/Ayla", aylafile);
    writefile("Ayla", aylafile);
    for (const char* name : {"", ".", "..", "sub", "sub/Ayla", "../Ayla"}) {
        vars v;
        char answer = 'l';
        Session s(std::string(name) + "\n");
        const std::string shown = s.run([&] { zload(v, answer); });
        EXPECT_EQ(answer, '0') << name;
        EXPECT_NE(shown.find(openerror), std::string::npos) << name;
    }
}

TEST(SaveFile, NamesThatAreNotOneFileAreRefused) {
    TempDir dir;
    for (const char* name : {".", "..", "../Ayla", "a/b"}) {
        Session s("y\n");
        const std::string shown = s.run([&] { zsave(knight(name)); });
        EXPECT_EQ(shown, titleline +
                             "Are you sure you want to save? \n\n"
                             "                                saving...\n\n" +
                             openerror + "[key]")
            << name;
    }
    EXPECT_FALSE(fs::exists("Ayla"));
    EXPECT_FALSE(fs::exists("a"));
}

TEST(LoadFile, TheFileNamesTheKnight) {
    TempDir dir;
    fs::create_directory("saves");
    std::string text = aylafile;
    text.replace(text.rfind("Ayla"), 4, "Brannoc the Bold");
    writefile("saves/Ayla", text);
    vars v;
    char answer = 'l';
    Session s("Ayla\n");
    s.run([&] { zload(v, answer); });
    EXPECT_STREQ(v.name, "Brannoc the Bold");
}

TEST(LoadFile, HandEditedFiles) {
    // A file written with CR LF line ends loads whole.
    {
        vars v;
        std::string text;
        for (char c : aylafile) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
        text.replace(0, 2, "42");
        readsave(v, text, "typed");
        EXPECT_EQ(v.maxhp, 42);
        EXPECT_STREQ(v.name, "Ayla");
        EXPECT_EQ(v.wil, 1);
    }
    // A short file keeps the values it does not reach and the typed name.
    {
        vars v;
        readsave(v, "500\n7\n", "Ayla");
        EXPECT_EQ(v.maxhp, 500);
        EXPECT_EQ(v.str, 7);
        EXPECT_EQ(v.vit, 1);
        EXPECT_EQ(v.expneed, 4);
        EXPECT_STREQ(v.name, "Ayla");
    }
    // Words that are not numbers leave their field; numbers beyond 32 bits
    // are cut to the range; a long name keeps 25 characters.
    {
        vars v;
        std::string text = "abc\n99999999999999999999\n-99999999999999999999\n+12\n";
        for (int i = 4; i < 28; ++i) text += "x\n";
        text += "An extraordinarily long knightly name\n";
        readsave(v, text, "typed");
        EXPECT_EQ(v.maxhp, 10);
        EXPECT_EQ(v.str, INT_MAX);
        EXPECT_EQ(v.vit, INT_MIN);
        EXPECT_EQ(v.atk, 12);
        EXPECT_STREQ(v.name, "An extraordinarily long k");
    }
    // An empty file loads as the new-game values under the typed name.
    {
        vars v;
        readsave(v, "", "Ayla");
        vars fresh = knight("Ayla");
        EXPECT_TRUE(same(v, fresh));
    }
}

TEST(LoadFile, ValuesLoadAsWrittenUntilTheNextStatcheck) {
    TempDir dir;
    fs::create_directory("saves");
    std::string text = aylafile;
    text.replace(text.find("\n10\n5\n"), 4, "\n75\n");  // hp 75 over maxhp 10
    writefile("saves/Ayla", text);
    vars v;
    char answer = 'l';
    Session s("Ayla\n");
    s.run([&] { zload(v, answer); });
    EXPECT_EQ(v.hp, 75);
    statcheck(v);
    EXPECT_EQ(v.hp, 10);
}

}  // namespace
}  // namespace emberfell::testing
