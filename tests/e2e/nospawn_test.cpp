// The game starts no other program and no process of its own while it is
// played: the game runs under strace, which records every process it makes.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "e2e/ptygame.h"

namespace emberfell::testing {
namespace {

bool found(const char* program) {
    std::string command = std::string("command -v ") + program + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

// Whatever the activity shows, a key at each wait takes it back to the main
// menu; back there, the game has printed the menu last and is quiet.
void backtothemenu(PtyGame& game, const std::string& menu) {
    std::size_t printed = game.output().size();
    for (int i = 0, quiet = 0; i < 500; ++i) {
        game.pump(20);
        const std::string& out = game.output();
        quiet = out.size() == printed ? quiet + 1 : 0;
        printed = out.size();
        const bool atmenu = out.size() >= menu.size() &&
                            out.compare(out.size() - menu.size(), menu.size(), menu) == 0;
        if (atmenu && quiet >= 15) return;
        if (game.waitingforkey() && quiet % 10 == 0) game.send(" ");
    }
}

TEST(NoSpawn, PlayingStartsNoProcess) {
    if (!found("strace")) GTEST_SKIP() << "strace is not installed";
    const std::string dir = scratchdir();
    const std::string log = dir + "/strace.log";
    {
        // The sanitizers' leak check makes a helper process of its own at
        // exit; it is not the game's.
        setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
        PtyGame game(dir, {"strace", "-f", "-qq", "-o", log, "-e",
                           "trace=execve,execveat,fork,vfork,clone,clone3", EMBERFELL_BINARY});
        unsetenv("ASAN_OPTIONS");
        ASSERT_TRUE(game.expect("Version: 1.0.1"));
        game.send("x");
        ASSERT_TRUE(game.expect("(C)redits\r\n? "));
        game.send("s\r");
        ASSERT_TRUE(game.expect("notice or care..."));
        game.send("x");
        ASSERT_TRUE(game.expect("(C)redits\r\n? "));
        game.send("n\r");
        ASSERT_TRUE(game.expect("Enter character name: "));
        game.send("Ayla\r");
        ASSERT_TRUE(game.expect("your adventure is just beginning..."));
        game.send(" ");
        const std::string menu = "(E)xit\r\n? ";
        for (const char* entry : {"m\r0\r", "q\rn\r", "b\r0\r", "g\r8\r", "i\rn\r", "s\r"}) {
            ASSERT_TRUE(game.expect(menu));
            game.send(entry);
            backtothemenu(game, menu);
        }
        ASSERT_TRUE(game.expect("(E)xit\r\n? "));
        game.send("a\r");
        ASSERT_TRUE(game.expect("Are you sure you want to save? ")) << game.output();
        game.send("y\r");
        ASSERT_TRUE(game.expect("saved"));
        game.send(" ");
        ASSERT_TRUE(game.expect("(E)xit\r\n? "));
        game.send("e\r");
        ASSERT_TRUE(game.expect("Goodbye!!"));
        game.send(" ");
        const int status = game.wait();
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    std::ifstream file(log);
    std::string line;
    int programs = 0;
    std::ostringstream others;
    while (std::getline(file, line)) {
        if (line.find("execve(") != std::string::npos && programs == 0) {
            ++programs;  // strace starting the game itself
        } else if (line.find("exited with") == std::string::npos) {
            others << line << "\n";
        }
    }
    EXPECT_EQ(programs, 1);
    EXPECT_EQ(others.str(), "");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace emberfell::testing
