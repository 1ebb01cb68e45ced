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

// Answer each prompt and see what follows it.
void play(PtyGame& shell, std::initializer_list<std::pair<const char*, const char*>> steps) {
    for (auto [typed, shown] : steps) {
        shell.send(typed);
        ASSERT_TRUE(shell.expect(shown)) << "after " << typed << "\n" << shell.output();
    }
}

// Time for the game to reach its key wait and for the shell to act.
void settle() {
    usleep(300000);
}

TEST(JobControl, TypedLinesWorkAfterStopBackgroundAndForeground) {
    Scratch s;
    PtyGame shell(s.dir, {"env", "PS1=$ ", "bash", "--norc", "--noprofile", "-i"});
    ASSERT_TRUE(shell.expect("$ "));
    const std::string game = EMBERFELL_BINARY;
    // Ctrl-Z at the welcome's key wait, then bg, then fg.
    ASSERT_NO_FATAL_FAILURE(play(shell, {{(game + "\r").c_str(), "Version: 1.0.1"},
                                         {"x", "(C)redits\r\n? "},
                                         {"n\r", "Enter character name: "},
                                         {"Ann\r", "Welcome, Ann"}}));
    settle();
    ASSERT_NO_FATAL_FAILURE(play(shell, {{"\x1a", "Stopped"}, {"bg\r", "emberfell &"}}));
    settle();
    ASSERT_NO_FATAL_FAILURE(play(shell, {{"fg\r", "emberfell\r\n"}}));
    settle();
    ASSERT_NO_FATAL_FAILURE(play(shell, {{" ", "(E)xit\r\n? "},
                                         {"a\r", "Are you sure you want to save? "},
                                         {"y\r", "saved"},
                                         {" ", "(E)xit\r\n? "},
                                         {"e\r", "Goodbye!!"},
                                         {" ", "$ "}}));
    // Started in the background, brought to the foreground at its first wait.
    ASSERT_NO_FATAL_FAILURE(play(shell, {{(game + " &\r").c_str(), "Version: 1.0.1"}}));
    settle();
    ASSERT_NO_FATAL_FAILURE(play(shell, {{"fg\r", "emberfell\r\n"}}));
    settle();
    ASSERT_NO_FATAL_FAILURE(play(shell, {{"x", "(C)redits\r\n? "},
                                         {"n\r", "Enter character name: "},
                                         {"Bob\r", "Welcome, Bob"},
                                         {" ", "(E)xit\r\n? "},
                                         {"e\r", "Goodbye!!"},
                                         {" ", "$ "},
                                         {"exit\r", "exit"}}));
    const int status = shell.wait();
    EXPECT_TRUE(WIFEXITED(status)) << shell.output();
}

}  // namespace
}  // namespace emberfell::testing
