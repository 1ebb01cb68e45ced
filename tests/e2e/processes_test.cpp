// Playing costs the machine nothing beyond the game itself: it starts no
// other program and no process of its own, and while it waits for a key or
// a typed line it sleeps in the kernel.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "e2e/ptygame.h"

namespace emberfell::testing {
namespace {

// Every activity of the main menu once, from a new knight, under strace,
// which records every process made.
TEST(Processes, PlayingStartsNone) {
    if (std::system("command -v strace >/dev/null 2>&1") != 0) GTEST_SKIP() << "no strace";
    Scratch s;
    const std::string log = s.dir + "/strace.log";
    std::ofstream(s.dir + "/answers") << "s\nn\nAyla\nm\n0\nq\nn\nb\n0\ng\n8\ni\nn\ns\na\ny\ne\n";
    // The sanitizers' leak check starts a helper process of its own at exit.
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    PtyGame game(s.dir,
                 {"strace", "-f", "-qq", "-o", log, "-e",
                  "trace=execve,execveat,fork,vfork,clone,clone3", EMBERFELL_BINARY},
                 s.dir + "/answers");
    unsetenv("ASAN_OPTIONS");
    const int status = game.presskeysuntilend();
    ASSERT_TRUE(WIFEXITED(status)) << game.output();
    EXPECT_NE(game.output().find("Goodbye!!"), std::string::npos) << game.output();
    std::ifstream file(log);
    std::string calls;
    std::string first;
    std::getline(file, first);  // strace starting the game itself
    EXPECT_NE(first.find("execve("), std::string::npos) << first;
    for (std::string line; std::getline(file, line);) {
        if (line.find("exited with") == std::string::npos) calls += line + "\n";
    }
    EXPECT_EQ(calls, "");
}

TEST(Processes, WaitingSpendsNoCpu) {
    Scratch s;
    PtyGame game(s.dir);
    ASSERT_TRUE(game.expect("Version: 1.0.1"));
    ASSERT_TRUE(game.untilkeywait());
    auto idleticks = [&] {
        const long before = cputicks(game.pid());
        sleep(3);
        return cputicks(game.pid()) - before;
    };
    const long atkey = idleticks();
    game.send("x");
    ASSERT_TRUE(game.expect("(C)redits\r\n? "));
    const long atline = idleticks();
    std::cout << "CPU over 3 s of waiting, in ticks of 1/" << sysconf(_SC_CLK_TCK)
              << " s: " << atkey << " at a key wait, " << atline << " at a typed prompt\n";
    // A tick may fall at the wait's edge; a busy wait would spend hundreds.
    EXPECT_LE(atkey, 1);
    EXPECT_LE(atline, 1);
}

}  // namespace
}  // namespace emberfell::testing
