// Saves of the real binary where the file system is not as the game left it:
// one record whole, "saved" only when it is there, nothing left untidied;
// and knights' names as text, whatever keys typed them or file held them.

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "e2e/ptygame.h"

namespace emberfell::testing {
namespace {

namespace fs = std::filesystem;

const std::string openerror = "An error occured while opening the file";
// How an unfinished save's name begins; its writer's process id follows.
const std::string unfinished = ".emberfell-unfinished-";

// How the unfinished saves of the game with this process id begin.
std::string unfinishedby(pid_t pid) {
    const std::string digits = std::to_string(pid);
    return unfinished + std::string(10 - digits.size(), '0') + digits + "-";
}

// A game that loads the save `file` (or makes the new knight `file`), saves
// it and exits; under `wrapper` (strace) if one is given.
PtyGame saving(const Scratch& s, const std::string& file, bool load,
               std::vector<const char*> wrapper = {}) {
    s.write("answers-" + file, (load ? "l\n" : "n\n") + file + "\na\ny\ne\n");
    wrapper.push_back(EMBERFELL_BINARY);
    return PtyGame(s.dir, wrapper, "answers-" + file);
}

// Whether the game, played to its end, said `text`.
bool says(PtyGame&& game, std::string_view text) {
    game.expectcleanend(60, true);
    return game.shows(text);
}

TEST(RealSaves, WhatCannotBeOpenedIsLeftAsItWas) {
    Scratch s;
    const std::string saves = s.dir + "/saves/";
    s.write("saves/Ann", savefile("Ann", {.gold = 7}));
    s.write("saves/Cy", savefile("Cy", {.gold = 7}));
    fs::permissions(saves + "Ann", fs::perms{0400});
    fs::permissions(saves + "Cy", fs::perms{0600});
    fs::create_directory(saves + "Ayla");
    // Write-protected, or a directory in the way: refused, unchanged.
    EXPECT_TRUE(says(saving(s, "Ann", false), openerror));
    EXPECT_EQ(s.read("saves/Ann"), savefile("Ann", {.gold = 7}));
    EXPECT_TRUE(says(saving(s, "Ayla", false), openerror));
    EXPECT_TRUE(fs::is_empty(saves + "Ayla"));
    // Links wherever the game might put its unfinished save: it never
    // writes through one; and a private save stays private.
    s.write("outside", "mine\n");
    PtyGame game = saving(s, "Cy", false);
    const std::string games = saves + unfinishedby(game.pid());
    for (const char* count : {"0", "1", "2"}) fs::create_symlink(s.dir + "/outside", games + count);
    EXPECT_TRUE(says(std::move(game), "saved"));
    EXPECT_EQ(s.read("outside"), "mine\n");
    EXPECT_EQ(s.read("saves/Cy"), savefile("Cy"));
    EXPECT_EQ(fs::status(saves + "Cy").permissions(), fs::perms{0600});
}

// The process id of a loading game that goes on to save, read from the name
// of its unfinished save while it waits just before it writes the file to
// the disk; 0 if it never does.
pid_t unfinishedsave(PtyGame& game, const std::string& saves) {
    game.send("  ");  // the title's key and the key after "loaded", typed ahead
    for (int tries = 0; tries < 1000; ++tries, usleep(10000)) {
        for (const auto& entry : fs::directory_iterator(saves)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(unfinished, 0) == 0) return std::stoi(name.substr(unfinished.size()));
        }
    }
    return 0;
}

TEST(RealSaves, TwoGamesSavingOneKnightAndAGameKilledWhileSaving) {
    if (std::system("command -v strace >/dev/null 2>&1") != 0) GTEST_SKIP() << "no strace";
    Scratch s;
    const std::string saves = s.dir + "/saves/";
    // Two saves of the knight Ann, the one with 100 gold, the other with 200.
    s.write("saves/A", savefile("Ann", {.gold = 100}));
    s.write("saves/B", savefile("Ann", {.gold = 200}));
    const std::vector<const char*> slowsync = {"strace", "-qq", "-o/dev/null", "-etrace=fsync",
                                               "-einject=fsync:delay_enter=2000000:when=1"};
    // A saves slowly: while it waits, B saves, and the save is B's, whole.
    PtyGame a = saving(s, "A", true, slowsync);
    ASSERT_NE(unfinishedsave(a, saves), 0);
    EXPECT_TRUE(says(saving(s, "B", true), "saved"));
    EXPECT_EQ(s.read("saves/Ann"), savefile("Ann", {.gold = 200}));
    // Then A finishes last, and wins whole.
    EXPECT_TRUE(says(std::move(a), "saved"));
    EXPECT_EQ(s.read("saves/Ann"), savefile("Ann", {.gold = 100}));
    // A game killed while it saves leaves B's save as it was ...
    PtyGame killed = saving(s, "B", true, slowsync);
    const pid_t killedgame = unfinishedsave(killed, saves);
    ASSERT_NE(killedgame, 0);
    kill(killedgame, SIGKILL);
    killed.wait();
    EXPECT_EQ(s.read("saves/Ann"), savefile("Ann", {.gold = 100}));
    // ... and its unfinished save is tidied up by the next save.
    EXPECT_TRUE(says(saving(s, "B", true), "saved"));
    EXPECT_EQ(s.read("saves/Ann"), savefile("Ann", {.gold = 200}));
    EXPECT_EQ(std::distance(fs::directory_iterator(saves), {}), 3);  // A, B and Ann
}

// A one-digit process id that no process has here (0 if all have one).
pid_t gonepid() {
    for (pid_t pid = 9; pid > 1; --pid) {
        if (kill(pid, 0) != 0 && errno == ESRCH) return pid;
    }
    return 0;
}

TEST(RealSaves, NamesAreTextAndNoUnfinishedSave) {
    Scratch s;
    const std::string saves = s.dir + "/saves/";
    // A knight whose name is that of an unfinished save of a game gone.
    const std::string lookalike = unfinished + std::to_string(gonepid()) + "-0";
    s.write("saves/" + lookalike, savefile(lookalike));
    // Arrow keys, the Linux console's F1, a right-to-left override and a
    // Backspace typed into the name: the keys' escape sequences and the
    // override go whole, and the knight is saved by the name shown.
    PtyGame typed(s.dir, {"env", "TERM=dumb", EMBERFELL_BINARY});
    EXPECT_TRUE(typed.play({{" ", "? "},
                            {"n\r", "Enter character name: "},
                            {"Ro\x1b[[Al\u202eamd\x1b[D\x1b[D\x7fn\r",
                             "\r\nWelcome, Rolamd, your adventure is just beginning...\r\n"},
                            {" ", "? "},
                            {"a\r", "save? "},
                            {"y\r", "saved"},
                            {" ", "? "},
                            {"e\r", "Goodbye"}}));
    typed.send(" ");
    typed.expectcleanend();
    EXPECT_EQ(s.read("saves/Rolamd"), savefile("Rolamd"));
    EXPECT_EQ(s.read("saves/" + lookalike), savefile(lookalike));
    // A save whose name turns the text right to left, retitles the terminal,
    // repaints the screen and asks for the cursor's place: the name keeps its
    // letters, and the screen is sent no escape at all (nor a bell).
    s.write("saves/Pwned",
            savefile("\u202e\x1b]0;PWNED\x07\x1b[2J\x1b[5;5HQ\x1b[6n\x1b[6n\x1b[6n"));
    s.write("answers", "l\nPwned\ns\na\ny\ne\n");
    PtyGame loaded(s.dir, {"env", "TERM=dumb", EMBERFELL_BINARY}, "answers");
    loaded.expectcleanend(60, true);
    EXPECT_TRUE(loaded.shows("\r\nName: 0;PWNEDQ\r\n")) << loaded.output();
    EXPECT_EQ(loaded.output().find_first_of("\x1b\x07"), std::string::npos) << loaded.output();
    EXPECT_EQ(s.read("saves/0;PWNEDQ"), savefile("0;PWNEDQ"));
    EXPECT_EQ(std::distance(fs::directory_iterator(saves), {}), 4);
}

}  // namespace
}  // namespace emberfell::testing
