// A save that fails half way, through a full disk, a failed replacement or
// the game killed while it writes, leaves the knight's previous save whole
// and loadable, and the player is told that it was not saved.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "character/savefile.h"
#include "support/session.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#endif

namespace emberfell::testing {
namespace {

namespace fs = std::filesystem;

// Where a save is written before it takes the old one's place.
const std::string unfinishedayla = "saves/.emberfell-unfinished-save-of-Ayla";

const std::string failedsave = titleline +
                               "Are you sure you want to save? \n\n"
                               "                                saving...\n\n"
                               "                  An error occured while writing the file\n\n"
                               "[key]";

vars knight(const char* name, int gold) {
    vars v;
    setname(v, name);
    v.gold = gold;
    return v;
}

// The save on disk of a knight with 100 gold: the one every failure must keep.
std::string saveoldayla() {
    fs::create_directory("saves");
    const std::string text = savetext(knight("Ayla", 100));
    writefile("saves/Ayla", text);
    return text;
}

// Load Ayla from the start menu's load screen and return her record.
vars loadayla() {
    Session s("Ayla\n");
    vars v;
    char answer = 'l';
    s.run([&] { zload(v, answer); });
    EXPECT_EQ(answer, 'l');
    return v;
}

void expectoldayla() {
    const vars v = loadayla();
    EXPECT_STREQ(v.name, "Ayla");
    EXPECT_EQ(v.gold, 100);
    EXPECT_EQ(savetext(v), savetext(knight("Ayla", 100)));
}

TEST(SaveFailure, FailedReplacementKeepsTheOldSaveAndSaysSo) {
    TempDir dir;
    const std::string old = saveoldayla();
    Session s("y\n");
    s.con.onreplace = [](const std::string&, const std::string&) { return false; };
    EXPECT_EQ(s.run([] { zsave(knight("Ayla", 999)); }), failedsave);
    EXPECT_EQ(readfile("saves/Ayla"), old);
    EXPECT_FALSE(fs::exists(unfinishedayla));
    expectoldayla();
}

#ifdef __linux__
// A full disk: the unfinished file is the device that is always full, so
// every write to it fails.
TEST(SaveFailure, FullDiskKeepsTheOldSaveAndSaysSo) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    TempDir dir;
    const std::string old = saveoldayla();
    fs::create_symlink("/dev/full", unfinishedayla);
    Session s("y\n");
    EXPECT_EQ(s.run([] { zsave(knight("Ayla", 999)); }), failedsave);
    EXPECT_EQ(readfile("saves/Ayla"), old);
    expectoldayla();

    // With room on the disk again the next save goes through.
    Session again("y\n");
    again.run([] { zsave(knight("Ayla", 999)); });
    EXPECT_EQ(readfile("saves/Ayla"), savetext(knight("Ayla", 999)));
}
#endif

// A save in the way of the directory "saves" cannot be opened at all.
TEST(SaveFailure, NoPlaceForTheUnfinishedFileSaysSo) {
    TempDir dir;
    writefile("saves", "not a directory\n");
    Session s("y\n");
    EXPECT_EQ(s.run([] { zsave(knight("Ayla", 999)); }),
              titleline +
                  "Are you sure you want to save? \n\n"
                  "                                saving...\n\n"
                  "                  An error occured while opening the file\n\n"
                  "[key]");
    EXPECT_EQ(readfile("saves"), "not a directory\n");
}

// Loading refuses what cannot be a save rather than reading it forever.
TEST(SaveFailure, LoadRefusesWhatIsNoPlainFile) {
    TempDir dir;
    fs::create_directories("saves/Folder");
#ifndef _WIN32
    fs::create_symlink("/dev/zero", "saves/Endless");
#endif
    for (const char* name : {"Folder", "Endless"}) {
        Session s(std::string(name) + "\n");
        vars v;
        char answer = 'l';
        EXPECT_EQ(s.run([&] { zload(v, answer); }),
                  titleline +
                      "Enter character name to load: \n\n"
                      "                                  loading...\n\n"
                      "                  An error occured while opening the file\n\n"
                      "[key]")
            << name;
        EXPECT_EQ(answer, '0');
    }
}

#ifndef _WIN32
// The game killed at the worst moment: the new save is whole on the disk
// but has not yet taken the old one's place.
TEST(SaveFailure, KilledBeforeTheReplacementKeepsTheOldSave) {
    TempDir dir;
    const std::string old = saveoldayla();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Session s("y\n");
        s.con.onreplace = [](const std::string&, const std::string&) -> bool {
            raise(SIGKILL);
            return false;
        };
        s.run([] { zsave(knight("Ayla", 999)); });
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(readfile("saves/Ayla"), old);
    expectoldayla();

    // What the killed save left behind does not disturb the next one.
    Session again("y\n");
    again.run([] { zsave(knight("Ayla", 999)); });
    EXPECT_EQ(readfile("saves/Ayla"), savetext(knight("Ayla", 999)));
    EXPECT_FALSE(fs::exists(unfinishedayla));
}

// The game killed at any moment while it saves over and over, two records
// in turn: the save on disk is always one of them, whole.
TEST(SaveFailure, KilledAnywhereWhileSavingLeavesAWholeSave) {
    TempDir dir;
    const std::string first = saveoldayla();
    const std::string second = savetext(knight("Ayla", 200));
    for (int attempt = 0; attempt < 40; ++attempt) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::string answers;
            for (int i = 0; i < 100000; ++i) answers += "y\n";
            Session s(answers);
            for (int i = 0;; ++i) s.run([i] { zsave(knight("Ayla", i % 2 ? 100 : 200)); });
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200 + 150 * attempt));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const std::string now = readfile("saves/Ayla");
        ASSERT_TRUE(now == first || now == second) << "after attempt " << attempt << ":\n" << now;
        const vars v = loadayla();
        EXPECT_TRUE(v.gold == 100 || v.gold == 200);
    }
}
#endif

}  // namespace
}  // namespace emberfell::testing
