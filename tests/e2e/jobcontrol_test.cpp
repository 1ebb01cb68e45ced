// The game as a job of an interactive shell: stopped with Ctrl-Z during a key
// wait, continued in the background and brought back, or started in the
// background; typed lines work afterwards as before, and the shell's own
// line editing never becomes the game's mode.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "e2e/ptygame.h"

namespace emberfell::testing {
namespace {

TEST(JobControl, TypedLinesWorkAfterStopBackgroundAndForeground) {
    Scratch s;
    PtyGame shell(s.dir, {"env", "PS1=$ ", "bash", "--norc", "--noprofile", "-i"});
    ASSERT_TRUE(shell.expect("$ "));
    const std::string game = std::string(EMBERFELL_BINARY) + "\r";
    const std::string background = std::string(EMBERFELL_BINARY) + " &\r";
    // Each time, a pause for the game to reach its key wait and the shell to act.
    const auto settled = [&](std::string_view typed, std::string_view shown) {
        usleep(300000);
        return shell.play({{typed, shown}});
    };
    // Ctrl-Z at the welcome's key wait, then bg, then fg.
    ASSERT_TRUE(shell.play({{game, "Version: 1.0.1"},
                            {"x", "(C)redits\r\n? "},
                            {"n\r", "Enter character name: "},
                            {"Ann\r", "Welcome, Ann"}}));
    ASSERT_TRUE(settled("\x1a", "Stopped") && shell.play({{"bg\r", "emberfell &"}}));
    ASSERT_TRUE(settled("fg\r", "emberfell\r\n") && settled(" ", "(E)xit\r\n? "));
    ASSERT_TRUE(shell.play({{"a\r", "Are you sure you want to save? "},
                            {"y\r", "saved"},
                            {" ", "(E)xit\r\n? "},
                            {"e\r", "Goodbye!!"},
                            {" ", "$ "}}));
    // Started in the background, brought to the foreground at its first wait.
    ASSERT_TRUE(shell.play({{background, "Version: 1.0.1"}}));
    ASSERT_TRUE(settled("fg\r", "emberfell\r\n") && settled("x", "(C)redits\r\n? "));
    ASSERT_TRUE(shell.play({{"n\r", "Enter character name: "},
                            {"Bob\r", "Welcome, Bob"},
                            {" ", "(E)xit\r\n? "},
                            {"e\r", "Goodbye!!"},
                            {" ", "$ "},
                            {"exit\r", "exit"}}));
    EXPECT_TRUE(WIFEXITED(shell.wait())) << shell.output();
}

}  // namespace
}  // namespace emberfell::testing
