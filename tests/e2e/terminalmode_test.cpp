// The terminal is left as the game found it when input ends or a signal ends
// the game while it waits for a key; a key that sends several bytes is one
// key press; a terminal left not blocking still waits; a terminal that
// cannot clear gets no escape sequences.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <fstream>
#include <sstream>
#include <string>

#include "e2e/ptygame.h"

namespace emberfell::testing {
namespace {

// A process's CPU time so far (user and system: fields 14 and 15 of its
// stat, counted after the command name's closing parenthesis).
long cputicks(pid_t pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(file)), {});
    std::istringstream rest(stat.substr(stat.rfind(')') + 1));
    std::string field;
    long sum = 0;
    for (int n = 3; n <= 15 && rest >> field; ++n) sum += n >= 14 ? std::stol(field) : 0;
    return sum;
}

// The game still waits after a second, asleep in the kernel: a tick may
// fall at the wait's edge, a busy wait would spend a hundred.
::testing::AssertionResult sleepswaiting(PtyGame& game) {
    const long before = cputicks(game.pid());
    if (game.wait(1) != -1) return ::testing::AssertionFailure() << "ended:\n" << game.output();
    const long spent = cputicks(game.pid()) - before;
    if (spent > 1) return ::testing::AssertionFailure() << spent << " ticks spent waiting";
    return ::testing::AssertionSuccess();
}

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
// wait, asleep, for each key and line; an arrow key and a letter beyond ASCII are one
// key press each, with no stray byte to draw the start menu once more; the
// end of input ends the game cleanly; and where the terminal cannot clear
// its screen, no escape sequence is sent.
TEST(TerminalMode, NonBlockingKeysOfSeveralBytesEndOfInputNoEscapes) {
    for (const char* term : {"TERM=dumb", "-uTERM"}) {
        SCOPED_TRACE(term);
        Scratch s;
        PtyGame game(s.dir, {"env", term, EMBERFELL_BINARY}, "", true);
        ASSERT_TRUE(game.expect("Version: 1.0.1"));
        EXPECT_TRUE(sleepswaiting(game));  // at the title
        ASSERT_TRUE(game.play({{"\x1b[A", "(C)redits\r\n? "}}));
        EXPECT_TRUE(sleepswaiting(game));   // at the start menu
        EXPECT_TRUE(asfound(game.mode()));  // a typed prompt has the terminal's own mode
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
