// The terminal is left as the game found it when input ends or a signal ends
// the game while it waits for a key; a key that sends several bytes is one
// key press; a terminal left not blocking still waits; a terminal that
// cannot clear gets no escape sequences.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <string>

#include "e2e/ptygame.h"

namespace emberfell::testing {
namespace {

// Ctrl-C typed, and the other signals that end a program sent, during a key
// wait: the mode comes back and the game still ends by that signal.
TEST(TerminalMode, RestoredAfterASignalDuringAKeyWait) {
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2}) {
        SCOPED_TRACE(strsignal(sig));
        Scratch s;
        PtyGame game(s.dir);
        ASSERT_TRUE(game.expect("Version: 1.0.1") && game.untilkeywait());
        // A key is read raw: no Enter, no echo.
        EXPECT_EQ(game.mode().c_lflag & (ICANON | ECHO), 0u);
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

// Left not blocking by an earlier program, the terminal still has the game
// wait for each key and line; an arrow key and a letter beyond ASCII are one
// key press each, with no stray byte to draw the start menu once more; the
// end of input ends the game cleanly; and where the terminal cannot clear
// its screen, no escape sequence is sent.
TEST(TerminalMode, NonBlockingKeysOfSeveralBytesEndOfInputNoEscapes) {
    for (const char* term : {"TERM=dumb", "-uTERM"}) {
        SCOPED_TRACE(term);
        Scratch s;
        PtyGame game(s.dir, {"env", term, EMBERFELL_BINARY}, "", true);
        ASSERT_TRUE(game.expect("Version: 1.0.1"));
        EXPECT_EQ(game.wait(1), -1) << game.output();  // still at the title
        ASSERT_TRUE(game.play({{"\x1b[A", "(C)redits\r\n? "}}));
        EXPECT_EQ(game.wait(1), -1) << game.output();  // still at the start menu
        EXPECT_TRUE(asfound(game.mode()));             // a typed prompt has the terminal's own mode
        ASSERT_TRUE(game.play({{"i\r", "exit game"}, {"\xc3\xa9", "(C)redits\r\n? "}}));
        game.send("\x04");
        expectcleanend(game, game.wait());
        const std::string& out = game.output();
        EXPECT_EQ(out.find("(C)redits", out.find("(C)redits", out.find("(C)redits") + 1) + 1),
                  std::string::npos)
            << out;
        EXPECT_EQ(out.find('\x1b'), std::string::npos) << out;
    }
}

}  // namespace
}  // namespace emberfell::testing
