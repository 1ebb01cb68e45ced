// The real binary on a pseudo-terminal, played to each of its three ends:
// Exit from the main menu, the death screen and the score screen. Each time
// the program ends with status 0 and leaves the terminal as it found it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "e2e/ptygame.h"

namespace emberfell::testing {
namespace {

std::string contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void expectcleanend(PtyGame& game, int status) {
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status << "\n" << game.output();
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(asfound(game.mode()));
}

TEST(RealTerminal, NewKnightSavesAndExits) {
    Scratch s;
    PtyGame game(s.dir);
    ASSERT_TRUE(game.expect("Version: 1.0.1"));
    ASSERT_TRUE(game.untilkeywait());
    // Any key leaves the title screen, read raw: no Enter, no echo.
    EXPECT_EQ(game.mode().c_lflag & (ICANON | ECHO), 0u);
    game.send("x");
    ASSERT_TRUE(game.expect("(C)redits\r\n? "));
    EXPECT_TRUE(asfound(game.mode()));  // a typed prompt has the terminal's own mode
    for (auto [answer, shown] : {std::pair{"n\r", "Enter character name: "},
                                 {"Ayla\r", "Welcome, Ayla, your adventure is just beginning..."},
                                 {" ", "(E)xit\r\n? "},
                                 {"a\r", "Are you sure you want to save? "},
                                 {"y\r", "saved"},
                                 {" ", "(E)xit\r\n? "},
                                 {"e\r", "Goodbye!!"}}) {
        game.send(answer);
        ASSERT_TRUE(game.expect(shown)) << game.output();
    }
    game.send(" ");
    expectcleanend(game, game.wait());
    EXPECT_EQ(contents(s.dir + "/saves/Ayla"),
              "10\n1\n1\n1\n1\n0\n1\n0\n4\n5\n0\n10\n5\n0\n0\n0\n1\n"
              "0\n0\n0\n0\n0\n0\n0\n0\n0\n1\n1\nAyla\n");
}

// Typed answers for a knight who attacks in every turn of every fight.
std::string attacks() {
    std::string typed;
    for (int i = 0; i < 200; ++i) typed += "1\n";
    return typed;
}

// Load the knight of `save`, then the typed `answers` come from a file while
// every key wait gets a key on the terminal.
std::unique_ptr<PtyGame> loadandplay(const Scratch& s, const std::string& save,
                                     const std::string& answers) {
    s.save("Hero", save);
    std::ofstream(s.dir + "/answers") << "l\nHero\n" << answers;
    return std::make_unique<PtyGame>(s.dir, std::vector<std::string>{EMBERFELL_BINARY},
                                     s.dir + "/answers");
}

TEST(RealTerminal, DeathEndsTheGame) {
    Scratch s;
    // One hit point, no attack, no defense, against the monster menu's first.
    auto game = loadandplay(s,
                            "1\n0\n0\n0\n0\n0\n1\n0\n4\n0\n0\n1\n0\n0\n0\n0\n1\n"
                            "0\n0\n0\n0\n0\n0\n0\n0\n0\n1\n1\nHero\n",
                            "m\n1\n" + attacks());
    expectcleanend(*game, game->presskeysuntilend(90));
    EXPECT_NE(game->output().find("\r\n              Game Over\r\n"), std::string::npos)
        << game->output();
}

// Level 100, every stat at its cap, all twelve spells and nine companions,
// 250 monsters killed, an attack that ends every fight in one blow, and the
// last quest on the board; the fork's answer is the first "1": left.
TEST(RealTerminal, TheFinalQuestEndsTheGameWithTheScore) {
    Scratch s;
    auto game = loadandplay(s,
                            "10000\n500\n500\n1000000\n85\n1000\n100\n0\n0\n5000\n250\n"
                            "10000\n5000\n12\n11\n11\n8\n1\n1\n1\n1\n1\n1\n1\n1\n1\n500\n"
                            "500\nHero\n",
                            "q\ny\n" + attacks());
    expectcleanend(*game, game->presskeysuntilend(90));
    const std::string& out = game->output();
    EXPECT_NE(out.find("You come upon several diamond dragons"), std::string::npos);
    EXPECT_NE(out.find("It's gold plaque reads:\r\n\r\nHero\r\nThis hero killed the\r\n"
                       "King of Dragons and\r\n"),
              std::string::npos);
    // Sixteen dragon fights, all won: 250 + 16.
    EXPECT_NE(out.find("                              Game Completed!!\r\n\r\nScore: 266"),
              std::string::npos)
        << out;
}

}  // namespace
}  // namespace emberfell::testing
