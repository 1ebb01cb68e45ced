// The whole game from the main menu: a strong knight takes the eight quests
// one after another and finishes on the score screen.

#include <gtest/gtest.h>

#include "quests/questplay.h"
#include "shell/menus.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

// The headings of the notices and the fights of each quest (the final quest
// by the left-hand path).
struct questrun {
    const char* heading;
    int fights;
};
constexpr questrun eightquests[] = {
    {"Den of Goblins", 10},       {"Animal Trouble", 24},      {"Ogres in the Forest", 5},
    {"Centaur Raiding Party", 8}, {"Harpy Horse Stealers", 8}, {"Corruption", 15},
    {"A Demonic Trace", 8},       {"The King of Dragons", 16},
};

std::string wholegame() {
    std::string typed;
    for (const questrun& q : eightquests) {
        typed += "q\ny\n";
        if (q.fights == 16)
            typed += attacks(6) + "1\n" + attacks(10);
        else
            typed += attacks(q.fights);
    }
    return typed;
}

TEST(WholeGame, EightQuestsToTheScore) {
    Session s(wholegame());
    s.con.settime(ScriptedConsole::timefor(2));
    vars v = strongknight();
    char answer = 0;
    const std::string out = s.run([&] { mainmenu(v, answer); });
    ASSERT_TRUE(s.ended());
    EXPECT_EQ(s.status(), 0);

    // Each board shows the next quest, and each of the first seven closes.
    std::size_t at = 0;
    for (const questrun& q : eightquests) {
        at = out.find(std::string("Quest Board:\n") + q.heading + "\n\n", at);
        ASSERT_NE(at, std::string::npos) << q.heading;
    }
    int closings = 0;
    for (std::size_t c = out.find("Quest Completed!!\n"); c != std::string::npos;
         c = out.find("Quest Completed!!\n", c + 1))
        ++closings;
    EXPECT_EQ(closings, 7);

    int fights = 0;
    for (const questrun& q : eightquests) fights += q.fights;
    EXPECT_EQ(static_cast<int>(monstersmet(out).size()), fights);
    EXPECT_EQ(v.kills, fights);
    EXPECT_EQ(v.quest, 8);
    EXPECT_EQ(v.party[thatch], 1);
    EXPECT_EQ(v.party[duran], 1);
    EXPECT_EQ(out.substr(out.rfind("[clear]")),
              titleline + "                              Game Completed!!\n\nScore: " +
                  std::to_string(v.kills) + "[key]");
}

}  // namespace
}  // namespace emberfell::testing
