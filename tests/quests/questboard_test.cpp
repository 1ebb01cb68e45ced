// The quest board: each notice in turn, declined; none outside 1 to 8.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "quests/quests.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

const char* const headings[] = {
    "Den of Goblins",       "Animal Trouble", "Ogres in the Forest", "Centaur Raiding Party",
    "Harpy Horse Stealers", "Corruption",     "A Demonic Trace",     "The King of Dragons"};

TEST(QuestBoard, EachQuestItsNoticeDeclinedSilentlyAndNoneOutsideOneToEight) {
    Session s("n\nN\nx\n 7\n0\nq\n-\nn\n");
    vars v;
    EXPECT_EQ(s.run([&] { quests(v); }), titleline + R"(Quest Board:
Den of Goblins

Reward: 200 gold
Info:
 Need someone to clear out a den of goblins near the outskirts
 of town. 5 to 10 goblins estimated to live there. A reward is
 offered of 200 gold

Would you like to take this quest? )");
    for (int quest = 2; quest <= 8; ++quest) {
        v.quest = quest;
        const std::string out = s.run([&] { quests(v); });
        EXPECT_EQ(out.substr(0, out.find("\n\n", titleline.size()) + 2),
                  titleline + "Quest Board:\n" + headings[quest - 1] + "\n\n");
        EXPECT_EQ(v.quest, quest);
    }
    EXPECT_EQ(s.con.keys(), 0);
    for (int quest : {0, 9, -1, INT_MIN, INT_MAX}) {
        v.quest = quest;
        EXPECT_EQ(s.run([&] { quests(v); }),
                  titleline + "Quest Board:\nNo messages on the quest board\n[key]");
        EXPECT_EQ(v.quest, quest);
    }
    EXPECT_FALSE(s.ended());
}

}  // namespace
}  // namespace emberfell::testing
