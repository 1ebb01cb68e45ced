// The real binary on a pseudo-terminal, played to the score screen: every
// activity of the main menu once on the way, no other program and no
// process of its own started (strace records every process made), and at
// the end status 0 and the terminal as the game found it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "e2e/ptygame.h"

namespace emberfell::testing {
namespace {

// Level 100, every stat at its cap, all twelve spells and nine companions,
// 250 monsters killed, an attack that ends every fight in one blow, and the
// last quest on the board; the fork's answer is the first "1": left. The
// typed lines come from a file; every key wait gets a key on the terminal.
TEST(RealTerminal, TheFinalQuestEndsTheGameWithTheScoreAndStartsNoProcess) {
    if (std::system("command -v strace >/dev/null 2>&1") != 0) GTEST_SKIP() << "no strace";
    Scratch s;
    s.save("Hero",
           "10000\n500\n500\n1000000\n85\n1000\n100\n0\n0\n5000\n250\n10000\n5000\n12\n"
           "11\n11\n8\n1\n1\n1\n1\n1\n1\n1\n1\n1\n500\n500\nHero\n");
    std::ofstream typed(s.dir + "/answers");
    typed << "s\nl\nHero\nm\n0\nq\nn\nb\n0\ng\n8\ni\nn\ns\na\ny\nq\ny\n";
    for (int i = 0; i < 200; ++i) typed << "1\n";
    typed.close();
    // The sanitizers' leak check starts a helper process of its own at exit.
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    PtyGame game(s.dir,
                 {"strace", "-f", "-qq", "-o", s.dir + "/strace.log", "-e",
                  "trace=execve,execveat,fork,vfork,clone,clone3", EMBERFELL_BINARY},
                 s.dir + "/answers");
    unsetenv("ASAN_OPTIONS");
    expectcleanend(game, game.wait(90, true));
    const std::string& out = game.output();
    EXPECT_NE(out.find("You come upon several diamond dragons"), std::string::npos);
    EXPECT_NE(out.find("It's gold plaque reads:\r\n\r\nHero\r\nThis hero killed the\r\n"),
              std::string::npos);
    // Sixteen dragon fights, all won: 250 + 16.
    EXPECT_NE(out.find("                              Game Completed!!\r\n\r\nScore: 266"),
              std::string::npos)
        << out;
    std::istringstream log(s.read("strace.log"));
    std::string calls;
    std::getline(log, calls);  // strace starting the game itself
    EXPECT_NE(calls.find("execve("), std::string::npos) << calls;
    calls.clear();
    for (std::string line; std::getline(log, line);) {
        if (line.find("exited with") == std::string::npos) calls += line + "\n";
    }
    EXPECT_EQ(calls, "");
}

}  // namespace
}  // namespace emberfell::testing
