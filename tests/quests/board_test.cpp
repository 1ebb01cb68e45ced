// The quest board: one notice, taken or declined; nothing outside 1 to 8.

#include <gtest/gtest.h>

#include <climits>

#include "quests/quests.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

const std::string denofgoblins = titleline + R"(Quest Board:
Den of Goblins

Reward: 200 gold
Info:
 Need someone to clear out a den of goblins near the outskirts
 of town. 5 to 10 goblins estimated to live there. A reward is
 offered of 200 gold

Would you like to take this quest? )";

TEST(QuestBoard, DecliningIsSilentAndTheNoticeStays) {
    Session s("n\nx\n 7\n");
    vars v;
    const vars before = v;
    for (int visit = 0; visit < 3; ++visit) {
        EXPECT_EQ(s.run([&] { quests(v); }), denofgoblins) << "visit " << visit;
        EXPECT_EQ(v.quest, 1);
        EXPECT_EQ(v.gold, before.gold);
    }
    EXPECT_EQ(s.con.keys(), 0);
    EXPECT_FALSE(s.ended());
}

TEST(QuestBoard, ShowsTheNoticeOfTheQuestField) {
    Session s("n\nn\nn\n");
    vars v;
    v.quest = 2;
    EXPECT_EQ(s.run([&] { quests(v); }), titleline + R"(Quest Board:
Animal Trouble

Reward: 300 gold
Info:
 Need someone to check out a bunch of animals near my house.
 Animals suspected to have rabies. They have taken over the
 barn and killed some livestock. Reward offered.

Would you like to take this quest? )");
    v.quest = 3;
    EXPECT_EQ(s.run([&] { quests(v); }), titleline + R"(Quest Board:
Ogres in the Forest

Reward: 350 gold
        Magic potion
Info:
 There are ogres in the forest!! I saw them!! Please kill
 them before they reach the village. A reward of gold is offered
 and a potion of my own design. Someone please help!!

Would you like to take this quest? )");
    v.quest = 8;
    EXPECT_EQ(s.run([&] { quests(v); }), titleline + R"(Quest Board:
The King of Dragons

Reward: The respect and honor of everyone in the kingdom
Info:
 It is now time for you to take on the King of Dragons.
 This old dragon has reigned terror over our land for way too
 long now. You have advanced far in your travels. You will either
 kill the dragon or die trying.

Would you like to take this quest? )");
}

TEST(QuestBoard, NoNoticeOutsideOneToEight) {
    for (int quest : {9, 0, -1, INT_MAX, INT_MIN}) {
        Session s("y\n");
        vars v;
        v.quest = quest;
        EXPECT_EQ(s.run([&] { quests(v); }),
                  titleline + "Quest Board:\nNo messages on the quest board\n[key]")
            << "quest " << quest;
        EXPECT_EQ(v.quest, quest);
        EXPECT_FALSE(s.ended());
    }
}

TEST(QuestBoard, TheRestOfTheAnswerLineStaysTyped) {
    // Only the answer's first character is read; the rest waits for the next
    // prompt, as at every answer outside the start and main menus.
    Session s("nope\n");
    vars v;
    s.run([&] { quests(v); });
    EXPECT_EQ(s.con.in().get(), 'o');
}

TEST(QuestBoard, EndOfInputAtTheNoticeEndsTheProgram) {
    Session s("");
    vars v;
    EXPECT_EQ(s.run([&] { quests(v); }), denofgoblins);
    EXPECT_TRUE(s.ended());
    EXPECT_EQ(s.status(), 0);
}

}  // namespace
}  // namespace emberfell::testing
