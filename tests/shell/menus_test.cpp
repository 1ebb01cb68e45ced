// A whole game through the menus: the title screen, the information screens, a loaded
// knight's sheet, and what a player may answer (words, empty lines, wrong keys, nothing).

#include "shell/menus.h"

#include <gtest/gtest.h>

#include "console/frame.h"
#include "support/knights.h"
#include "support/scratch.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

const std::string header = "                             Emberfell\n\n";
const std::string startmenu =
    header + "(N)ew Game\n(L)oad Game\n(S)tory\n(I)nstructions\n(C)redits\n? ";
const std::string mainmenu =
    header + "(M)onsters\n(Q)uest\n(B)lacksmith\nMa(g)ic Shop\n(I)nn\n(S)tats\nS(a)ve\n(E)xit\n? ";
const std::string sheet =
    header + "******************************** Stats *****************************************\n";

// A screen's frames as this platform draws them (written here in UTF-8).
std::string framed(std::string text) {
    const std::pair<std::string, const char*> marks[] = {
        {"╔", frame::topleft},     {"╗", frame::topright}, {"╚", frame::bottomleft},
        {"╝", frame::bottomright}, {"═", frame::across},   {"║", frame::down}};
    for (const auto& [utf8, drawn] : marks) {
        const std::string by = drawn;
        for (std::size_t at = text.find(utf8); at != std::string::npos;
             at = text.find(utf8, at + by.size()))
            text.replace(at, utf8.size(), by);
    }
    return text;
}

// The first and the last line of what a screen shows under its title line.
std::string edges(const std::string& screen) {
    const std::size_t first = screen.find_first_not_of('\n', header.size());
    const std::size_t last = screen.rfind('\n', screen.size() - 7);
    return screen.substr(first, screen.find('\n', first) - first + 1) + screen.substr(last + 1);
}

TEST(Menus, AWholeGameFromTheTitleScreenToGoodbye) {
    Scratch dir;
    // clang-format off
    const vars ayla{.maxhp = 12, .str = 2, .vit = 3, .atk = 30, .def = 20, .gold = -1, .level = 8,
                    .exp = 6, .expneed = 9, .maxmp = 6, .kills = 13, .quest = 3, .hp = 70, .mp = 4,
                    .spells = 4, .weapon = 11, .armor = 10, .wis = 5, .wil = 14,
                    .party = {1, 0, 0, 0, 0, 0, 1, 2, 1}};
    // clang-format on
    dir.write("saves/Sir Ayla", savefile("Sir Ayla", ayla));
    Session s("story\n\n\n  i\nCredits\nx\nLoad\nSir Ayla\nstats\nzzz\nE\n");
    int status = -1;
    const std::vector<std::string> shown = screens(s.run([&] { status = play(); }));
    ASSERT_EQ(shown.size(), 16u);
    // The title screen: an empty line, 18 banner rows 60 wide, the framed prompt.
    EXPECT_EQ(shown[0].substr(0, 62),
              "\n                EEEEEEEE MM    MM BBBBBBB  EEEEEEEE RRRRRRR \n");
    EXPECT_EQ(shown[0].substr(1 + 16 * 61),
              "                FF       EEEEEEEE LLLLLLLL LLLLLLLL         \n" +
                  std::string(60, ' ') + framed(R"(
                        ╔═════════════╗
                        ║ Press Enter ║
                        ╚═════════════╝

 Version: )" EMBERFELL_VERSION "\n[key]"));
    for (int menu : {1, 3, 5, 7, 8}) EXPECT_EQ(shown[menu], startmenu) << menu;
    EXPECT_EQ(edges(shown[2]),
              "\tYou are the little-known youngest son of a little-known noble family.\n"
              "But, if you don't return, no one will notice or care...\n[key]");
    EXPECT_EQ(edges(shown[4]),
              "Main Menu: Monsters   - fight monsters\n"
              "                      you need to leave a small amount of gold behind)\n[key]");
    EXPECT_EQ(edges(shown[6]), framed("                            ╔═════════════╗\n"
                                      "                             Jory Penn\n[key]"));
    // The main menu has brought the loaded record within the game's limits.
    EXPECT_EQ(fingerprint(shown[11]), 12987335445725468580u) << shown[11];
    EXPECT_NE(shown[11].find("\nGold: 30000\n"), std::string::npos);
    EXPECT_EQ(shown[12], sheet + "Group members:\n* Elenium\n* Thatch\n* Garath\n[key]");
    EXPECT_EQ(shown[13],
              sheet + "Spells Owned:\n* Earthquake\n* Fireball\n* Water Blast\n* Cure\n[key]");
    for (int menu : {10, 14}) EXPECT_EQ(shown[menu], mainmenu) << menu;
    EXPECT_EQ(shown[15], mainmenu + "\nGoodbye!!\n\n[key]");
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(s.ended());
}

TEST(Menus, EndOfInputEndsWithStatusZeroAndAnEmptyNameIsAskedAgain) {
    for (const char* typed : {"", "\n\n", "s\n", "n\n", "x", "n\n\nAyla\nx\n"}) {
        Session s(typed);
        s.run(play);
        EXPECT_TRUE(s.ended() && s.status() == 0) << typed;
    }
    Session named("n\n\nSir Ayla\n");  // an empty name is asked again
    EXPECT_NE(named.run(play).find(": Enter character name: Welcome, Sir Ayla, your adventure is "
                                   "just beginning...\n\n[key][clear]" +
                                   mainmenu),
              std::string::npos);
}

}  // namespace
}  // namespace emberfell::testing
