// The quest board, the step player and the closing on an edited record, the
// quests played through the real fights, and the whole game.

#include "quests/quests.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "quests/script.h"
#include "shell/menus.h"
#include "support/knights.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

TEST(QuestBoard, EachQuestItsNoticeDeclinedSilentlyAndNoneOutsideOneToEight) {
    Session s("n\nN\nx\n 7\n0\nq\n-\nn\n");
    const std::string board = titleline + "Quest Board:\n";
    const std::string prompt = "Would you like to take this quest? ";
    vars v;
    const std::string first = s.run([&] { quests(v); });  // the Den of Goblins
    EXPECT_EQ(fingerprint(first), 7365480949331401296u) << first;
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

TEST(QuestSteps, AnEditedRecordSaturatesAndAFullNameStopsAtItsField) {
    Session s;
    vars v;
    v.gold = INT_MAX - 5;
    v.str = INT_MAX;
    v.quest = INT_MAX;
    v.level = 100;
    std::memset(v.name, 'K', sizeof v.name);
    using enum act;
    const step steps[] = {{gold, 100}, {potion, &vars::str, 10}, {say, ": Right.\n"}};
    EXPECT_EQ(s.run([&] { playsteps(v, steps); }), std::string(sizeof v.name, 'K') + ": Right.\n");
    EXPECT_EQ(v.gold, INT_MAX);
    EXPECT_EQ(v.str, INT_MAX);
    s.run([&] { takequest(v, quest{"", {}, {100, 200, 100, 50}}); });
    EXPECT_EQ(v.quest, INT_MAX);
}

std::string repeat(const std::string& typed, int times) {
    return times > 0 ? typed + repeat(typed, times - 1) : "";
}

// A quest taken, from its first step to its closing, with these typed lines.
std::string take(const quest& q, vars& v, const std::string& typed) {
    return visit([&](vars& w) { takequest(w, q); }, v, typed);
}

int count(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(DenOfGoblins, RunningFromEveryFightStillCompletesIt) {
    vars v = strongknight(1);
    v.gold = 5000;
    const std::string out = take(goblinden, v, repeat("3\ny\n", 10));
    EXPECT_EQ(count(out, "You ran away!!\n"), 10);
    EXPECT_EQ(v.gold, 5000 - 10 * 200 + 100 + 300);
    EXPECT_EQ(v.kills, 0);
    EXPECT_EQ(v.party[thatch], 1);
    EXPECT_EQ(v.quest, 2);
}

// Its closing is the whole game's (below); the potion adds to the maximum alone.
TEST(OgresInTheForest, TheMagicPotionRaisesTheMaximumMPAlone) {
    vars v = strongknight(3);
    v.maxmp = 1000;
    v.mp = 300;
    take(ogreforest, v, repeat("1\n", 5));
    EXPECT_EQ(v.maxmp, 1050);
    EXPECT_EQ(v.mp, 300);
}

TEST(Companions, ThatchAndDuranStrikeOnlyFromTheirSteps) {
    // 40 a blow and every roll a 1: each monster lives through a few turns,
    // so whoever has joined gets to strike.
    Session s(repeat("1\n", 400));
    s.con.settime(ScriptedConsole::timefor(1));
    vars v = strongknight(1);
    v.str = v.atk = 10;
    EXPECT_EQ(count(s.run([&] { takequest(v, goblinden); }), "Thatch attacks\n"), 0);
    v.quest = 5;
    const std::string out = s.run([&] { takequest(v, harpies); });
    const auto joins = out.find("You join the man in fighting!!\n");
    EXPECT_EQ(count(out.substr(0, joins), "Duran attacks\n"), 0);
    EXPECT_LT(out.find("Duran attacks\n", joins), out.find("Enemy defeated!!", joins));
    EXPECT_GT(count(out.substr(0, joins), "Thatch attacks\n"), 0);
}

TEST(Corruption, PotionsGoPastTheCapsUntilTheGuildMastersFightEnds) {
    // Without the fifteenth answer the input ends at the guild master's first turn.
    for (bool won : {false, true}) {
        Session s(repeat("1\n", won ? 15 : 14));
        vars v = strongknight(6);
        v.str = v.vit = v.wis = v.wil = 495;
        s.run([&] { takequest(v, corruption); });
        EXPECT_EQ(s.ended(), !won);
        for (int stat : {v.str, v.vit, v.wis, v.wil}) EXPECT_EQ(stat, won ? 500 : 505);
        EXPECT_EQ(v.maxhp, won ? 10000 : 10100);
        EXPECT_EQ(v.maxmp, won ? 5000 : 5050);
    }
}

TEST(KingOfDragons, TheRightPathAfterAWrongNumberAndEightPotionsOfRecovery) {
    // Each fight: a Cure (20 MP) and then the Attack, so each potion shows
    // as full MP at the next fight's first menu.
    const std::string fight = "2\n1\n1\n";
    Session s(repeat(fight, 6) + "0\n2\n" + repeat(fight, 9));
    vars v = strongknight(8);
    v.spells = 1;
    v.mp = 4000;
    const std::string out = s.run([&] { takequest(v, dragonking); });
    EXPECT_EQ(count(out, "Go 1) left or 2) right? "), 2);
    EXPECT_NE(out.find("You killed both onyx dragons!!\n"), std::string::npos);
    EXPECT_EQ(out.find("diamond"), std::string::npos);
    EXPECT_EQ(count(out, "MP: 5000/5000\n1) Attack"), 8);
    EXPECT_NE(out.find("Game Completed!!\n\nScore: 15"), std::string::npos);  // input to spare
    EXPECT_TRUE(s.ended() && s.status() == 0);
}

TEST(WholeGame, AStrongKnightTakesTheEightQuestsToTheScore) {
    // The final quest's "1" at the fork, left, is typed like an Attack.
    std::string typed;
    for (int answers : {10, 24, 5, 8, 8, 15, 8, 6 + 1 + 10}) {
        typed += typed.empty() ? "q\nY\n" : "q\ny\n";  // either case takes the quest
        typed += repeat("1\n", answers);
    }
    Session s(typed);
    s.con.settime(ScriptedConsole::timefor(2));
    vars v = strongknight(1);
    const std::string out = s.run([&] { mainmenu(v); });
    EXPECT_TRUE(s.ended() && s.status() == 0);
    // Every quest's screens, fights, closing and reward, and the ending with the score.
    EXPECT_EQ(fingerprint(out), 12143030362060758491u) << out;
    EXPECT_EQ(v.kills, 94);
    EXPECT_EQ(v.gold, 20722);
    EXPECT_EQ(v.party[thatch] + v.party[duran], 2);
}

}  // namespace
}  // namespace emberfell::testing
