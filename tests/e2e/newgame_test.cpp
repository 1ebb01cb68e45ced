// The real binary on a real (pseudo-)terminal: title screen, a new knight,
// a save, and Exit with status 0.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "e2e/terminal.h"

namespace emberfell::testing {
namespace {

std::string scratchdir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "emberfell-e2e-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern;
}

std::string contents(const std::filesystem::path& p) {
    std::ifstream file(p, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(RealTerminal, NewKnightSavesAndExits) {
    const std::string dir = scratchdir();
    Terminal game(dir);
    ASSERT_TRUE(game.expect("Version: 1.0.1"));
    // Any key leaves the title screen, read raw: no Enter needed.
    game.send("x");
    ASSERT_TRUE(game.expect("(C)redits\r\n? "));
    game.send("n\r");
    ASSERT_TRUE(game.expect("Enter character name: "));
    game.send("Ayla\r");
    ASSERT_TRUE(game.expect("Welcome, Ayla, your adventure is just beginning..."));
    game.send(" ");
    ASSERT_TRUE(game.expect("(E)xit\r\n? "));
    game.send("a\r");
    ASSERT_TRUE(game.expect("Are you sure you want to save? "));
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
    EXPECT_EQ(contents(dir + "/saves/Ayla"),
              "10\n1\n1\n1\n1\n0\n1\n0\n4\n5\n0\n10\n5\n0\n0\n0\n1\n"
              "0\n0\n0\n0\n0\n0\n0\n0\n0\n1\n1\nAyla\n");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace emberfell::testing
