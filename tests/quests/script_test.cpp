// The quests' step lists and their common closing, with a stand-in monster.

#include "quests/script.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "support/session.h"

namespace emberfell::testing {
namespace {

int met = 0;
void standin(vars& v) {
    ++met;
    out() << "fight " << met << " with " << v.gold << " gold\n";
}

TEST(QuestSteps, EveryKindOfStepInOrder) {
    Session s;
    vars v;
    setname(v, "Sir Ayla");
    v.hp = 3;
    v.mp = 1;
    v.maxhp = 40;
    v.maxmp = 20;
    met = 0;
    using enum act;
    const step steps[] = {
        {clear},
        {print,
         "One\n"
         "Two\n"},
        {wait},
        {gold, 100},
        {fight, standin, 2},
        {say, ": Hello\n"},
        {print, "Thatch: Here, "},
        {name},
        {print, ".\n"},
        {potion, &vars::str, 10},
        {potion, &vars::maxhp, 100},
        {join, thatch},
        {heal},
        {wait},
    };
    EXPECT_EQ(s.run([&] { play(v, steps); }), titleline + R"(One
Two
[key]fight 1 with 100 gold
fight 2 with 100 gold
Sir Ayla: Hello
Thatch: Here, Sir Ayla.
[key])");
    EXPECT_EQ(met, 2);
    EXPECT_EQ(v.gold, 100);
    EXPECT_EQ(v.str, 11);
    EXPECT_EQ(v.maxhp, 140);
    EXPECT_EQ(v.hp, 140);
    EXPECT_EQ(v.mp, 20);
    EXPECT_EQ(v.party[thatch], 1);
    for (int c : {elenium, drizzt, elminster, richard, belgarion, elbryan, duran, garath})
        EXPECT_EQ(v.party[c], 0);
}

TEST(QuestSteps, FindsSaturateAtTheEndsOfTheRange) {
    Session s;
    vars v;
    v.gold = INT_MAX - 5;
    v.str = INT_MAX;
    using enum act;
    const step steps[] = {{gold, 100}, {potion, &vars::str, 10}};
    s.run([&] { play(v, steps); });
    EXPECT_EQ(v.gold, INT_MAX);
    EXPECT_EQ(v.str, INT_MAX);
}

TEST(QuestSteps, ANameFillingTheWholeFieldStopsAtItsEnd) {
    Session s;
    vars v;
    std::memset(v.name, 'K', sizeof v.name);
    using enum act;
    const step steps[] = {{say, ": Right.\n"}};
    EXPECT_EQ(s.run([&] { play(v, steps); }), std::string(26, 'K') + ": Right.\n");
}

TEST(QuestClosing, PaysPutsTheNextQuestUpAndAdvances) {
    Session s("s\ns\ns\n");
    vars v;
    v.gold = 7;
    v.mp = 2;
    const reward ogres = {
        "Spoils: 150 Gold\n"
        "Reward: 350 Gold\n"
        "        Magic potion\n"
        "Experience: 450\n",
        500, 450, 50};
    const std::string out = s.run([&] { closing(v, ogres); });
    EXPECT_EQ(screens(out).at(0),
              "                             Emberfell\n\n"
              R"(Quest Completed!!
Spoils: 150 Gold
Reward: 350 Gold
        Magic potion
Experience: 450
[key])");
    EXPECT_EQ(v.gold, 507);
    EXPECT_EQ(v.quest, 2);
    EXPECT_EQ(v.maxmp, 55 + 6) << "the magic potion, then the level's gain";
    EXPECT_EQ(v.level, 2) << "one level at most, whatever the experience";
    EXPECT_EQ(v.exp, 446);
}

TEST(QuestClosing, AnEditedRecordSaturates) {
    Session s;
    vars v;
    v.level = 100;
    v.quest = INT_MAX;
    v.exp = INT_MAX;
    v.maxmp = INT_MAX;
    const reward r = {"", 300, 100, 50};
    s.run([&] { closing(v, r); });
    EXPECT_EQ(v.quest, INT_MAX);
    EXPECT_EQ(v.gold, 300);
}

}  // namespace
}  // namespace emberfell::testing
