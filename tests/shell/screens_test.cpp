// The title screen and the start menu's information screens, as the player
// sees them.

#include "shell/screens.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/session.h"

namespace emberfell::testing {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> found;
    std::istringstream s(text);
    for (std::string line; std::getline(s, line);) found.push_back(line);
    return found;
}

TEST(TitleScreen, BannerFrameVersionAndOneKey) {
    Session s;
    const std::string shown = s.run(titlescreen);
    // An empty line, then the banner: the title screen has no title line.
    ASSERT_EQ(shown.rfind("[clear]\n", 0), 0u);
    EXPECT_EQ(s.con.keys(), 1);
    const std::vector<std::string> all = lines(shown.substr(8));
    ASSERT_EQ(all.size(), 18u + 3u + 2u + 1u);
    for (int i = 0; i < 18; ++i) {
        const std::string& line = all[i];
        EXPECT_TRUE(line.size() == 60 || line.size() == 61) << line;
        const auto edge = line.find_first_not_of(' ');
        if (edge != std::string::npos) {
            EXPECT_TRUE(edge == 16 || edge == 17) << line;
        }
        for (char c : line) {
            EXPECT_TRUE(c == ' ' || std::string("EMBRFL").find(c) != std::string::npos);
        }
    }
    const std::string frame = all[18] + "\n" + all[19] + "\n" + all[20] + "\n" + all[21] + "\n" +
                              all[22] + "\n" + all[23];
    EXPECT_EQ(frame,
              "                        ╔═════════════╗\n"
              "                        ║ Press Enter ║\n"
              "                        ╚═════════════╝\n"
              "\n"
              " Version: 1.0.1\n"
              "[key]");
}

TEST(InformationScreens, StoryWordForWord) {
    Session s;
    EXPECT_EQ(
        s.run(story),
        titleline + R"(	You are the little-known youngest son of a little-known noble family.
You are a knight, known to the few people that recognize your existence, as
Sir Gathulas. Since nobody seems to care about or respect your current status,
you have set out to beat up monsters and earn a name for yourself. Your primary
goal, however, is to defeat the King of Dragons, who has been wrecking havoc in
your resident kingdom. The best we can say is good luck and hope you return.
But, if you don't return, no one will notice or care...
[key])");
}

TEST(InformationScreens, InstructionsWordForWord) {
    Session s;
    EXPECT_EQ(s.run(instruction), titleline + R"(Main Menu: Monsters   - fight monsters
           Quest      - complete quests
           Blacksmith - buy weapons and armor
           Magic Shop - buy magic spells
           Inn        - sleep (at a small cost of gold)
                        and recover HP and MP
           Stats      - view character statistics
           Save       - save game
           Exit       - exit game

Battle Menu: Attack - attack with current weapon
             Magic  - cast a spell
             Run    - run away from battle (to distract the monsters
                      you need to leave a small amount of gold behind)
[key])");
}

TEST(InformationScreens, CreditBoxesLineUp) {
    Session s;
    const std::string shown = s.run(credit);
    ASSERT_EQ(shown.rfind(titleline + "\n\n\n", 0), 0u);
    EXPECT_EQ(s.con.keys(), 1);
    const std::vector<std::string> all = lines(shown.substr(titleline.size() + 3));
    ASSERT_EQ(all.size(), 4u + 2u + 3u + 1u + 5u + 1u);
    const std::vector<std::string> boxes = {all[0], all[1], all[2], all[3], all[6], all[7], all[8]};
    EXPECT_EQ(boxes[0], "                            ╔═════════════╗");
    EXPECT_EQ(boxes[1], "                            ║  Coded by   ║");
    EXPECT_EQ(boxes[3], "                            ╚═════════════╝");
    EXPECT_EQ(boxes[4], "                            ╔═════════════╗");
    EXPECT_EQ(boxes[5], "                            ║ Playtesters ║");
    EXPECT_EQ(boxes[6], "                            ╚═════════════╝");
    // The author's line: one blank, the name, blanks to 13 characters.
    const std::string author = boxes[2];
    ASSERT_EQ(author.rfind("                            ║ ", 0), 0u);
    EXPECT_EQ(author.size(), 28u + 3 + 13 + 3);
    EXPECT_EQ(author.substr(author.size() - 3), "║");
    EXPECT_EQ(all[4], "");
    EXPECT_EQ(all[5], "");
    EXPECT_EQ(all[9], "");
    const int setin[] = {30, 31, 29, 29, 29};
    for (int i = 0; i < 5; ++i) {
        const std::string& name = all[10 + i];
        EXPECT_EQ(name.find_first_not_of(' '), static_cast<std::size_t>(setin[i])) << name;
    }
    EXPECT_EQ(all[15], "[key]");
}

}  // namespace
}  // namespace emberfell::testing
