// Saves of the real binary where the file system is not as the game left it:
// a write-protected save, a directory or links in the way, another game
// saving the same knight at the same time, a game killed while it saves.
// The save holds one record whole, "saved" is said only when it is there,
// and nothing is left behind that a later save does not tidy up.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "e2e/ptygame.h"

namespace emberfell::testing {
namespace {

namespace fs = std::filesystem;

const std::string openerror = "An error occured while opening the file";
// How an unfinished save's name begins; its writer's process id follows.
const std::string unfinished = ".emberfell-unfinished-";

unsigned modeof(const std::string& path) {
    return static_cast<unsigned>(fs::symlink_status(path).permissions());
}

// Load the save `file` (or make the new knight `file`) and save it; the
// game under `wrapper` (strace) when one is given.
std::unique_ptr<PtyGame> startsaving(const Scratch& s, const std::string& file, bool load,
                                     std::vector<std::string> wrapper = {}) {
    const std::string answers = s.dir + "/answers-" + file;
    std::ofstream(answers) << (load ? "l\n" : "n\n") << file << "\na\ny\ne\n";
    wrapper.push_back(EMBERFELL_BINARY);
    return std::make_unique<PtyGame>(s.dir, wrapper, answers);
}

// Play the save to the end; what the game said of it.
std::string saveandexit(PtyGame& game) {
    EXPECT_TRUE(WIFEXITED(game.wait(60, true))) << game.output();
    return game.output();
}

TEST(RealSaves, WhatCannotBeOpenedIsLeftAsItWas) {
    Scratch s;
    const std::string saves = s.dir + "/saves/";
    s.save("Ann", newknight("Ann", 7));
    s.save("Cy", newknight("Cy", 7));
    fs::permissions(saves + "Ann", fs::perms::owner_read);
    fs::permissions(saves + "Cy", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_directory(saves + "Ayla");
    // Write-protected, or a directory in the way: refused, unchanged.
    EXPECT_NE(saveandexit(*startsaving(s, "Ann", false)).find(openerror), std::string::npos);
    EXPECT_EQ(s.read("saves/Ann"), newknight("Ann", 7));
    EXPECT_EQ(modeof(saves + "Ann"), 0400u);
    EXPECT_NE(saveandexit(*startsaving(s, "Ayla", false)).find(openerror), std::string::npos);
    EXPECT_TRUE(fs::is_empty(saves + "Ayla"));
    // Links wherever the game might put its unfinished save: it never
    // writes through one; and a private save stays private.
    const std::string outside = s.dir + "/outside";
    std::ofstream(outside) << "mine\n";
    auto game = startsaving(s, "Cy", false);
    fs::create_symlink(outside, saves + ".emberfell-unfinished-save-of-Cy");
    for (int count = 0; count < 3; ++count) {
        fs::create_symlink(outside, saves + unfinished + std::to_string(game->pid()) + "-" +
                                        std::to_string(count));
    }
    EXPECT_NE(saveandexit(*game).find("saved"), std::string::npos);
    EXPECT_EQ(s.read("outside"), "mine\n");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(saves + "Cy")));
    EXPECT_EQ(s.read("saves/Cy"), newknight("Cy"));
    EXPECT_EQ(modeof(saves + "Cy"), 0600u);
}

// The unfinished save of a loading game that goes on to save and waits
// just before it writes the file to the disk.
std::string unfinishedsave(PtyGame& game, const std::string& saves) {
    game.send("  ");  // the title's key and the key after "loaded", typed ahead
    for (int tries = 0; tries < 1000; ++tries) {
        for (const auto& entry : fs::directory_iterator(saves)) {
            std::string name = entry.path().filename().string();
            if (name.rfind(unfinished, 0) == 0) return name;
        }
        usleep(10000);
    }
    return "";
}

TEST(RealSaves, TwoGamesSavingOneKnightAndAGameKilledWhileSaving) {
    if (std::system("command -v strace >/dev/null 2>&1") != 0) GTEST_SKIP() << "no strace";
    // The leak check at exit cannot work under strace.
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    Scratch s;
    const std::string saves = s.dir + "/saves/";
    // Two saves of the knight Ann, the one with 100 gold, the other with 200.
    s.save("A", newknight("Ann", 100));
    s.save("B", newknight("Ann", 200));
    const std::vector<std::string> slowsync = {
        "strace", "-qq",         "-o", "/dev/null",
        "-e",     "trace=fsync", "-e", "inject=fsync:delay_enter=2000000:when=1"};
    // A saves slowly: while it waits, B saves, and the save is B's, whole.
    auto a = startsaving(s, "A", true, slowsync);
    ASSERT_NE(unfinishedsave(*a, saves), "");
    EXPECT_NE(saveandexit(*startsaving(s, "B", true)).find("saved"), std::string::npos);
    EXPECT_EQ(s.read("saves/Ann"), newknight("Ann", 200));
    // Then A finishes last, and wins whole.
    EXPECT_NE(saveandexit(*a).find("saved"), std::string::npos);
    EXPECT_EQ(s.read("saves/Ann"), newknight("Ann", 100));
    // A game killed while it saves leaves B's save as it was ...
    auto killed = startsaving(s, "B", true, slowsync);
    const std::string left = unfinishedsave(*killed, saves);
    ASSERT_NE(left, "");
    kill(std::stoi(left.substr(unfinished.size())), SIGKILL);  // the game's process id
    killed->wait();
    EXPECT_EQ(s.read("saves/Ann"), newknight("Ann", 100));
    // ... and its unfinished save is tidied up by the next save.
    EXPECT_NE(saveandexit(*startsaving(s, "B", true)).find("saved"), std::string::npos);
    EXPECT_EQ(s.read("saves/Ann"), newknight("Ann", 200));
    EXPECT_EQ(std::distance(fs::directory_iterator(saves), {}), 3);  // A, B and Ann
    unsetenv("ASAN_OPTIONS");
}

}  // namespace
}  // namespace emberfell::testing
