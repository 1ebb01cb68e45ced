// The start menu and the main menu: answers, whole words, empty lines, bad
// names and the end of input.

#include "shell/menus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "character/record.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

const std::string startmenu = R"((N)ew Game
(L)oad Game
(S)tory
(I)nstructions
(C)redits
? )";

const std::string mainmenu = R"((M)onsters
(Q)uest
(B)lacksmith
Ma(g)ic Shop
(I)nn
(S)tats
S(a)ve
(E)xit
? )";

// The screens of a whole game, from the one after the title screen on.
std::vector<std::string> playscreens(Session& s, int& status) {
    std::vector<std::string> all = screens(s.run([&] { status = play(); }));
    all.erase(all.begin());
    return all;
}

TEST(StartMenu, NewKnightThenExit) {
    Session s("n\nAyla\ne\n");
    int status = -1;
    const std::vector<std::string> shown = playscreens(s, status);
    const std::string header = "                             Emberfell\n\n";
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], header + startmenu);
    EXPECT_EQ(
        shown[1],
        header +
            "Enter character name: Welcome, Ayla, your adventure is just beginning...\n\n[key]");
    EXPECT_EQ(shown[2], header + mainmenu + "\nGoodbye!!\n\n[key]");
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(s.ended());
}

TEST(StartMenu, InformationScreensAndStrayKeysComeBack) {
    // Whole words act on their first letter; empty lines wait for an answer.
    Session s("story\n\n\n  i\nCredits\nx\nN\nSir Ayla\nE\n");
    int status = -1;
    const std::vector<std::string> shown = playscreens(s, status);
    ASSERT_EQ(shown.size(), 10u);
    EXPECT_EQ(shown[0].substr(shown[0].size() - 3), "\n? ");
    EXPECT_NE(shown[1].find("Sir Gathulas"), std::string::npos);
    EXPECT_NE(shown[3].find("Battle Menu"), std::string::npos);
    EXPECT_NE(shown[5].find("Playtesters"), std::string::npos);
    for (int menu : {0, 2, 4, 6, 7})
        EXPECT_NE(shown[menu].find(startmenu), std::string::npos) << menu;
    EXPECT_NE(shown[8].find("Welcome, Sir Ayla, your adventure"), std::string::npos);
    EXPECT_EQ(status, 0);
}

TEST(StartMenu, EmptyNameIsAskedAgain) {
    Session s("n\n\nAyla\ne\n");
    int status = -1;
    const std::vector<std::string> shown = playscreens(s, status);
    ASSERT_GE(shown.size(), 2u);
    EXPECT_NE(shown[1].find("Enter character name: Enter character name: Welcome, Ayla,"),
              std::string::npos);
    EXPECT_EQ(status, 0);
}

TEST(StartMenu, LongNameKeepsTwentyFiveCharacters) {
    vars v;
    char answer = 0;
    Session s("n\nAbcdefghijklmnopqrstuvwxyzTAIL\n");
    s.run([&] { emberfell::startmenu(v, answer); });
    EXPECT_STREQ(v.name, "Abcdefghijklmnopqrstuvwxy");
    EXPECT_EQ(answer, 'n');
}

TEST(StartMenu, EndOfInputEndsTheProgram) {
    for (const char* typed : {"", "\n\n", "s\n", "n\n", "x"}) {
        Session s(typed);
        int status = -1;
        s.run([&] { status = play(); });
        EXPECT_TRUE(s.ended()) << typed;
        EXPECT_EQ(s.status(), 0) << typed;
    }
}

TEST(MainMenu, OnlyTheFirstLetterCounts) {
    // "save" opens the character sheet: three pages, one key each.
    vars v;
    setname(v, "Ayla");
    char answer = 0;
    Session s("stats\nsave\nzzz\ne\n");
    const std::vector<std::string> shown = screens(s.run([&] { emberfell::mainmenu(v, answer); }));
    ASSERT_EQ(shown.size(), 1u + 3u + 1u + 3u + 1u + 1u);
    for (int sheet : {1, 5}) {
        EXPECT_NE(shown[sheet].find("Name: Ayla\n"), std::string::npos) << sheet;
    }
    EXPECT_EQ(shown[8], "                             Emberfell\n\n" + mainmenu);
    EXPECT_EQ(shown[9],
              "                             Emberfell\n\n" + mainmenu + "\nGoodbye!!\n\n[key]");
    EXPECT_EQ(answer, 'e');
}

TEST(MainMenu, StatcheckOnEveryPass) {
    vars v;
    v.hp = 50;
    v.gold = -1;
    char answer = 0;
    Session s("E\n");
    s.run([&] { emberfell::mainmenu(v, answer); });
    EXPECT_EQ(v.hp, 10);
    EXPECT_EQ(v.gold, 30000);
}

TEST(MainMenu, EndOfInputEndsTheProgram) {
    vars v;
    char answer = 0;
    Session s("x\n\n");
    s.run([&] { emberfell::mainmenu(v, answer); });
    EXPECT_TRUE(s.ended());
    EXPECT_EQ(s.status(), 0);
}

}  // namespace
}  // namespace emberfell::testing
