// Playing costs the machine nothing beyond the game itself: it starts no
// other program and no process of its own, and while it waits for a key or
// a typed line it sleeps in the kernel.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
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

// The process's CPU time (user and system, fields 14 and 15 of its stat,
// counted after the command name's closing parenthesis) over three seconds.
long idleticks(pid_t pid) {
    const auto ticks = [pid] {
        std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
        std::string stat((std::istreambuf_iterator<char>(file)), {});
        std::istringstream rest(stat.substr(stat.rfind(')') + 1));
        std::string field;
        long sum = 0;
        for (int n = 3; n <= 15 && rest >> field; ++n) sum += n >= 14 ? std::stol(field) : 0;
        return sum;
    };
    const long before = ticks();
    sleep(3);
    return ticks() - before;
}

TEST(Processes, WaitingSpendsNoCpu) {
    Scratch s;
    PtyGame game(s.dir);
    ASSERT_TRUE(game.expect("Version: 1.0.1") && game.untilkeywait());
    const long atkey = idleticks(game.pid());
    ASSERT_TRUE(game.play({{"x", "(C)redits\r\n? "}}));
    const long atline = idleticks(game.pid());
    std::cout << "CPU over 3 s of waiting, in ticks of 1/" << sysconf(_SC_CLK_TCK)
              << " s: " << atkey << " at a key wait, " << atline << " at a typed prompt\n";
    // A tick may fall at the wait's edge; a busy wait would spend hundreds.
    EXPECT_LE(atkey, 1);
    EXPECT_LE(atline, 1);
}

}  // namespace
}  // namespace emberfell::testing
