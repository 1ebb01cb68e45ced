// The terminal is left as the game found it, whichever way the game ends:
// Exit, the end of input, the death screen, the score screen, or a signal
// that ends it while it waits for a key. And a key wait really changes the
// mode, so the comparisons mean something.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "e2e/ptygame.h"
#include "e2e/terminal.h"

namespace emberfell::testing {
namespace {

// The game as the title screen leaves it: waiting for a key, in key mode.
bool waitatthetitle(Terminal& game) {
    if (!game.expect("Version: 1.0.1")) return false;
    for (int i = 0; i < 200; ++i) {
        if ((game.mode().c_lflag & ICANON) == 0) return true;
        usleep(10000);
    }
    return false;
}

void expectmodeasfound(const struct termios& now) {
    const struct termios found = freshmode();
    EXPECT_TRUE(samemode(now, found))
        << "left as " << describe(now) << "\nfound as " << describe(found);
}

struct Scratch {
    std::string dir = scratchdir();
    ~Scratch() { std::filesystem::remove_all(dir); }
};

TEST(TerminalMode, KeyWaitSwitchesEchoAndLinesOff) {
    Scratch s;
    Terminal game(s.dir);
    ASSERT_TRUE(waitatthetitle(game));
    const struct termios raw = game.mode();
    EXPECT_EQ(raw.c_lflag & (ICANON | ECHO), 0u);
    game.send("x");
    ASSERT_TRUE(game.expect("(C)redits\r\n? "));
    // At a typed prompt the mode is the terminal's own again.
    expectmodeasfound(game.mode());
}

TEST(TerminalMode, RestoredAfterExit) {
    Scratch s;
    Terminal game(s.dir);
    ASSERT_TRUE(waitatthetitle(game));
    game.send("x");
    ASSERT_TRUE(game.expect("(C)redits\r\n? "));
    game.send("n\r");
    ASSERT_TRUE(game.expect("Enter character name: "));
    game.send("Ayla\r");
    ASSERT_TRUE(game.expect("your adventure is just beginning..."));
    game.send(" ");
    ASSERT_TRUE(game.expect("(E)xit\r\n? "));
    game.send("e\r");
    ASSERT_TRUE(game.expect("Goodbye!!"));
    game.send(" ");
    const int status = game.wait();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    expectmodeasfound(game.mode());
}

TEST(TerminalMode, RestoredAfterEndOfInput) {
    Scratch s;
    Terminal game(s.dir);
    ASSERT_TRUE(waitatthetitle(game));
    game.send("x");
    ASSERT_TRUE(game.expect("(C)redits\r\n? "));
    game.send("\x04");  // Ctrl-D: the end of input at the start menu
    const int status = game.wait();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    expectmodeasfound(game.mode());
}

// A signal while the game waits for a key, in key mode: the mode comes back
// and the game still dies of that signal.
void expectsignalrestores(int sig, const char* typed) {
    Scratch s;
    Terminal game(s.dir);
    ASSERT_TRUE(waitatthetitle(game));
    if (typed) {
        game.send(typed);
    } else {
        kill(game.pid(), sig);
    }
    const int status = game.wait();
    ASSERT_TRUE(WIFSIGNALED(status)) << "status " << status;
    EXPECT_EQ(WTERMSIG(status), sig);
    expectmodeasfound(game.mode());
}

TEST(TerminalMode, RestoredAfterCtrlCDuringAKeyWait) {
    expectsignalrestores(SIGINT, "\x03");
}
TEST(TerminalMode, RestoredAfterSigintDuringAKeyWait) {
    expectsignalrestores(SIGINT, nullptr);
}
TEST(TerminalMode, RestoredAfterSigtermDuringAKeyWait) {
    expectsignalrestores(SIGTERM, nullptr);
}
TEST(TerminalMode, RestoredAfterSighupDuringAKeyWait) {
    expectsignalrestores(SIGHUP, nullptr);
}
TEST(TerminalMode, RestoredAfterSigquitDuringAKeyWait) {
    expectsignalrestores(SIGQUIT, "\x1c");
}

// An arrow key sends three bytes; it is one key press, and nothing of it
// reaches the next prompt.
TEST(TerminalMode, ArrowKeyIsOneKeyPress) {
    Scratch s;
    Terminal game(s.dir);
    ASSERT_TRUE(waitatthetitle(game));
    game.send("\x1b[A");
    ASSERT_TRUE(game.expect("(C)redits\r\n? "));
    game.send("i\r");
    ASSERT_TRUE(game.expect("exit game"));
    game.send("\xc3\xa9");  // a letter beyond ASCII: two bytes, one key
    ASSERT_TRUE(game.expect("(C)redits\r\n? "));
    game.send("e\r");  // no stray byte before it: e is no start menu entry
    ASSERT_TRUE(game.expect("(C)redits\r\n? "));
    game.send("\x04");
    const int status = game.wait();
    ASSERT_TRUE(WIFEXITED(status));
    // The start menu was drawn once more for e and never for a stray byte.
    const std::string& out = game.output();
    std::size_t menus = 0;
    for (std::size_t at = out.find("(C)redits"); at != std::string::npos;
         at = out.find("(C)redits", at + 1)) {
        ++menus;
    }
    EXPECT_EQ(menus, 3u);
}

// The two ends inside the game: typed answers come from a file, every key
// wait is answered on the terminal.
const std::string doomed =  // one hit point, no attack, no defense
    "1\n0\n0\n0\n0\n0\n1\n0\n4\n0\n0\n1\n0\n0\n0\n0\n1\n"
    "0\n0\n0\n0\n0\n0\n0\n0\n0\n1\n1\nDoomed\n";
const std::string hero =  // every blow kills, level 100, the final quest next
    "10000\n500\n500\n1000000\n1000000\n30000\n100\n0\n0\n5000\n250\n10000\n5000\n11\n10\n10\n8\n"
    "0\n0\n0\n0\n0\n1\n1\n1\n1\n500\n500\nHero\n";

std::string manyattacks() {
    std::string typed;
    for (int i = 0; i < 200; ++i) typed += "1\n";
    return typed;
}

// Load the knight of `save` and play `answers` with a key for every wait.
std::unique_ptr<PtyGame> loadandplay(const Scratch& s, const std::string& save,
                                     const std::string& name, const std::string& answers) {
    std::filesystem::create_directory(s.dir + "/saves");
    std::ofstream(s.dir + "/saves/" + name) << save;
    std::ofstream(s.dir + "/answers") << "l\n" << name << "\n" << answers;
    return std::make_unique<PtyGame>(s.dir, std::vector<std::string>{EMBERFELL_BINARY},
                                     s.dir + "/answers");
}

TEST(TerminalMode, RestoredAfterTheDeathScreen) {
    Scratch s;
    auto game = loadandplay(s, doomed, "Doomed", "m\n1\n" + manyattacks());
    const int status = game->presskeysuntilend(90);
    if (game->output().find("Enter monster number: ") == std::string::npos) {
        GTEST_SKIP() << "the monster menu is not in this build yet";
    }
    ASSERT_TRUE(WIFEXITED(status)) << game->output();
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(game->output().find("              Game Over\r\n"), std::string::npos)
        << game->output();
    expectmodeasfound(game->mode());
}

TEST(TerminalMode, RestoredAfterTheScoreScreen) {
    Scratch s;
    auto game = loadandplay(s, hero, "Hero", "q\ny\n" + manyattacks());
    const int status = game->presskeysuntilend(90);
    if (game->output().find("You head towards the Mountain of Sorrow") == std::string::npos) {
        GTEST_SKIP() << "the final quest is not in this build yet";
    }
    ASSERT_TRUE(WIFEXITED(status)) << game->output();
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(game->output().find("Game Completed!!\r\n\r\nScore: "), std::string::npos)
        << game->output();
    expectmodeasfound(game->mode());
}

}  // namespace
}  // namespace emberfell::testing
