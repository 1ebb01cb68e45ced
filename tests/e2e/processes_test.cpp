// Playing starts no other program and no process of its own (that waiting
// costs no CPU is seen in the terminal mode tests).

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "e2e/ptygame.h"

namespace emberfell::testing {
namespace {

// Every activity of the main menu once, from a new knight, under strace,
// which records every process made.
TEST(Processes, PlayingStartsNone) {
    if (std::system("command -v strace >/dev/null 2>&1") != 0) GTEST_SKIP() << "no strace";
    Scratch s;
    std::ofstream(s.dir + "/answers") << "s\nn\nAyla\nm\n0\nq\nn\nb\n0\ng\n8\ni\nn\ns\na\ny\ne\n";
    // The sanitizers' leak check starts a helper process of its own at exit.
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    PtyGame game(s.dir,
                 {"strace", "-f", "-qq", "-o", s.dir + "/strace.log", "-e",
                  "trace=execve,execveat,fork,vfork,clone,clone3", EMBERFELL_BINARY},
                 s.dir + "/answers");
    unsetenv("ASAN_OPTIONS");
    ASSERT_TRUE(WIFEXITED(game.wait(60, true))) << game.output();
    EXPECT_NE(game.output().find("Goodbye!!"), std::string::npos) << game.output();
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
