// The real binary on a pseudo-terminal, played to the score screen: the
// program ends with status 0 and leaves the terminal as it found it.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "e2e/ptygame.h"

namespace emberfell::testing {
namespace {

// Level 100, every stat at its cap, all twelve spells and nine companions,
// 250 monsters killed, an attack that ends every fight in one blow, and the
// last quest on the board; the fork's answer is the first "1": left. The
// typed lines come from a file; every key wait gets a key on the terminal.
TEST(RealTerminal, TheFinalQuestEndsTheGameWithTheScore) {
    Scratch s;
    s.save("Hero",
           "10000\n500\n500\n1000000\n85\n1000\n100\n0\n0\n5000\n250\n10000\n5000\n12\n"
           "11\n11\n8\n1\n1\n1\n1\n1\n1\n1\n1\n1\n500\n500\nHero\n");
    std::ofstream typed(s.dir + "/answers");
    typed << "l\nHero\nq\ny\n";
    for (int i = 0; i < 200; ++i) typed << "1\n";
    typed.close();
    PtyGame game(s.dir, {EMBERFELL_BINARY}, s.dir + "/answers");
    expectcleanend(game, game.wait(90, true));
    const std::string& out = game.output();
    EXPECT_NE(out.find("You come upon several diamond dragons"), std::string::npos);
    EXPECT_NE(out.find("It's gold plaque reads:\r\n\r\nHero\r\nThis hero killed the\r\n"),
              std::string::npos);
    // Sixteen dragon fights, all won: 250 + 16.
    EXPECT_NE(out.find("                              Game Completed!!\r\n\r\nScore: 266"),
              std::string::npos)
        << out;
}

}  // namespace
}  // namespace emberfell::testing
