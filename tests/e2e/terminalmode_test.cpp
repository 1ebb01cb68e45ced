// The terminal is left as the game found it when input ends or a signal ends
// the game while it waits for a key; and a key that sends several bytes is
// one key press, with nothing of it left for the next prompt.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "e2e/ptygame.h"

namespace emberfell::testing {
namespace {

// The title screen waiting for its key, in key mode.
void waitatthetitle(PtyGame& game) {
    ASSERT_TRUE(game.expect("Version: 1.0.1"));
    ASSERT_TRUE(game.untilkeywait());
}

TEST(TerminalMode, RestoredAfterEndOfInput) {
    Scratch s;
    PtyGame game(s.dir);
    waitatthetitle(game);
    game.send("x");
    ASSERT_TRUE(game.expect("(C)redits\r\n? "));
    game.send("\x04");  // Ctrl-D at the start menu
    const int status = game.wait();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(asfound(game.mode()));
}

// Ctrl-C typed, and the other signals that end a program sent, during a key
// wait: the mode comes back and the game still ends by that signal.
TEST(TerminalMode, RestoredAfterASignalDuringAKeyWait) {
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2}) {
        SCOPED_TRACE(strsignal(sig));
        Scratch s;
        PtyGame game(s.dir);
        waitatthetitle(game);
        if (sig == SIGINT) {
            game.send("\x03");
        } else {
            kill(game.pid(), sig);
        }
        const int status = game.wait();
        ASSERT_TRUE(WIFSIGNALED(status)) << "status " << status;
        EXPECT_EQ(WTERMSIG(status), sig);
        EXPECT_TRUE(asfound(game.mode()));
    }
}

// A terminal left not blocking by an earlier program: the game still waits
// for each key and each typed line.
TEST(TerminalMode, ANonBlockingTerminalStillWaits) {
    Scratch s;
    PtyGame game(s.dir, {EMBERFELL_BINARY}, "", true);
    ASSERT_TRUE(game.expect("Version: 1.0.1"));
    EXPECT_EQ(game.wait(1), -1) << game.output();  // still at the title
    game.send("x");
    ASSERT_TRUE(game.expect("(C)redits\r\n? "));
    EXPECT_EQ(game.wait(1), -1) << game.output();  // still at the start menu
    game.send("n\r");
    ASSERT_TRUE(game.expect("Enter character name: "));
    game.send("\x04");
    const int status = game.wait();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// A terminal that cannot clear its screen gets the scenes as they are, with
// no escape sequences.
TEST(TerminalMode, NoEscapesWhereTheTerminalCannotClear) {
    for (const char* term : {"TERM=dumb", "-uTERM"}) {
        SCOPED_TRACE(term);
        Scratch s;
        PtyGame game(s.dir, {"env", term, EMBERFELL_BINARY});
        waitatthetitle(game);
        game.send("x");
        ASSERT_TRUE(game.expect("(C)redits\r\n? "));
        game.send("\x04");
        ASSERT_TRUE(WIFEXITED(game.wait()));
        EXPECT_EQ(game.output().find('\x1b'), std::string::npos) << game.output();
    }
}

TEST(TerminalMode, AKeyOfSeveralBytesIsOneKeyPress) {
    Scratch s;
    PtyGame game(s.dir);
    waitatthetitle(game);
    game.send("\x1b[A");  // an arrow key
    ASSERT_TRUE(game.expect("(C)redits\r\n? "));
    game.send("i\r");
    ASSERT_TRUE(game.expect("exit game"));
    game.send("\xc3\xa9");  // a letter beyond ASCII
    ASSERT_TRUE(game.expect("(C)redits\r\n? "));
    // A stray byte left over would have drawn the start menu once more.
    game.send("\x04");
    ASSERT_TRUE(WIFEXITED(game.wait()));
    const std::string& out = game.output();
    EXPECT_EQ(out.find("(C)redits", out.find("(C)redits", out.find("(C)redits") + 1) + 1),
              std::string::npos)
        << out;
}

}  // namespace
}  // namespace emberfell::testing
