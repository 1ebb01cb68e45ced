// The quest board: each notice in turn, declined; none outside 1 to 8.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "quests/quests.h"
#include "quests/script.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

TEST(QuestBoard, EachQuestItsNoticeDeclinedSilentlyAndNoneOutsideOneToEight) {
    Session s("n\nN\nx\n 7\n0\nq\n-\nn\n");
    const std::string board = titleline + "Quest Board:\n";
    const std::string prompt = "Would you like to take this quest? ";
    vars v;
    EXPECT_EQ(s.run([&] { quests(v); }), board + R"(Den of Goblins

Reward: 200 gold
Info:
 Need someone to clear out a den of goblins near the outskirts
 of town. 5 to 10 goblins estimated to live there. A reward is
 offered of 200 gold

)" + prompt);
    ASSERT_EQ(questbook().size(), 8u);
    for (int quest = 2; quest <= 8; ++quest) {
        v.quest = quest;
        EXPECT_EQ(s.run([&] { quests(v); }), board + questbook()[quest - 1]->notice + prompt);
        EXPECT_EQ(v.quest, quest);
    }
    EXPECT_EQ(s.con.keys(), 0);
    for (int quest : {0, 9, -1, INT_MIN, INT_MAX}) {
        v.quest = quest;
        EXPECT_EQ(s.run([&] { quests(v); }), board + "No messages on the quest board\n[key]");
        EXPECT_EQ(v.quest, quest);
    }
    EXPECT_FALSE(s.ended());
}

}  // namespace
}  // namespace emberfell::testing
