// The monster menu and the bestiary's entry operations: the screen, the
// numbers that choose a fight (listed or not) and those that choose nothing.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "character/record.h"
#include "encounters/bestiary.h"
#include "encounters/encounters.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

const std::string menuscreen = titleline + R"(1) Rabid Squirrel         16) Corrupted Knight
2) Killer Rabbit          17) Evil Wizard
3) Snake                  18) Golem
4) Imp                    19) Giant
5) Goblin                 20) Basilisk
6) Bear                   21) Wind Elemental
7) Night Stalker          22) Demon
8) Water Elemental        23) Destruction Elemental
9) Thief                  24) Sapphire Dragon
10) Ogre                  25) Emerald Dragon
11) Fire Elemental        26) Ruby Dragon
12) Genie                 27) Diamond Dragon
13) Centaur               28) Onyx Dragon
14) Harpy                 29) Gold Dragon
15) Earth Elemental       30) Moon Dragon
00) I do not wish to fight at this time
Enter monster number: )";

// What an encounter shows before its first wait: the start of its intro.
std::string firstpage(std::string_view routine) {
    const std::string_view intro = bestiaryrow(routine).intro;
    return titleline + std::string(intro.substr(0, intro.find(keywait))) + "[key]";
}

struct entry {
    std::string_view routine;
    void (*fight)(vars&);
};

constexpr entry entries[] = {
    {"squirrel", squirrel},
    {"rabbit", rabbit},
    {"snake", snake},
    {"imp", imp},
    {"goblin", goblin},
    {"bear", bear},
    {"nightstalker", nightstalker},
    {"waterele", waterele},
    {"thief", thief},
    {"ogre", ogre},
    {"fireele", fireele},
    {"genie", genie},
    {"centaur", centaur},
    {"harpy", harpy},
    {"earthele", earthele},
    {"knight", knight},
    {"wizard", wizard},
    {"golem", golem},
    {"giant", giant},
    {"basilisk", basilisk},
    {"windele", windele},
    {"demon", demon},
    {"destructionele", destructionele},
    {"sapphiredrag", sapphiredrag},
    {"emeralddrag", emeralddrag},
    {"rubydrag", rubydrag},
    {"diamonddrag", diamonddrag},
    {"onyxdrag", onyxdrag},
    {"golddrag", golddrag},
    {"moondrag", moondrag},
    {"snape", snape},
    {"dragonfly", dragonfly},
    {"shadowcat", shadowcat},
    {"face", face},
    {"crystaldrag", crystaldrag},
    {"guildmaster", guildmaster},
    {"skeleton", skeleton},
    {"troll", troll},
    {"demonlord", demonlord},
    {"kingdrag1", kingdrag1},
    {"kingdrag2", kingdrag2},
};

TEST(Bestiary, EveryEntryOperationFightsItsOwnRow) {
    const bestiaryrows rows = allrows();
    ASSERT_EQ(rows.count, 41);
    std::set<std::string_view> names;
    for (int i = 0; i < rows.count; ++i) names.insert(rows.first[i].routine);
    EXPECT_EQ(names.size(), 41u);
    for (const entry& e : entries) {
        SCOPED_TRACE(std::string(e.routine));
        EXPECT_EQ(bestiaryrow(e.routine).routine, e.routine);
        vars v;
        Session s;  // nothing typed: the first turn ends the program
        const std::string shown = s.run([&] { e.fight(v); });
        EXPECT_EQ(shown.substr(0, firstpage(e.routine).size()), firstpage(e.routine));
        EXPECT_TRUE(s.ended());
    }
}

TEST(MonsterMenu, NumbersThatChooseNothingReturnAtOnce) {
    for (const char* typed :
         {"0\n", "00\n", "31\n", "-5\n", "618\n", "junk\n", "99999999999\n", "\n\n  30x\n"}) {
        SCOPED_TRACE(typed);
        vars v;
        Session s(typed);
        const std::string shown = s.run([&] { monster(v); });
        if (std::string_view(typed) == "\n\n  30x\n") {
            // 30 is read; the "x" stays for the next prompt
            EXPECT_EQ(shown.substr(0, menuscreen.size() + firstpage("moondrag").size()),
                      menuscreen + firstpage("moondrag"));
            continue;
        }
        EXPECT_EQ(shown, menuscreen);
        EXPECT_FALSE(s.ended());
        EXPECT_EQ(s.con.keys(), 0);
    }
}

TEST(MonsterMenu, ListedAndUnlistedNumbersStartTheirFights) {
    const std::pair<int, std::string_view> numbers[] = {
        {1, "squirrel"},        {2, "rabbit"},
        {3, "snake"},           {4, "imp"},
        {5, "goblin"},          {6, "bear"},
        {7, "nightstalker"},    {8, "waterele"},
        {9, "thief"},           {10, "ogre"},
        {11, "fireele"},        {12, "genie"},
        {13, "centaur"},        {14, "harpy"},
        {15, "earthele"},       {16, "knight"},
        {17, "wizard"},         {18, "golem"},
        {19, "giant"},          {20, "basilisk"},
        {21, "windele"},        {22, "demon"},
        {23, "destructionele"}, {24, "sapphiredrag"},
        {25, "emeralddrag"},    {26, "rubydrag"},
        {27, "diamonddrag"},    {28, "onyxdrag"},
        {29, "golddrag"},       {30, "moondrag"},
        {619, "snape"},         {894, "dragonfly"},
        {3692, "shadowcat"},    {35420, "crystaldrag"},
        {91890, "face"},
    };
    for (const auto& [number, routine] : numbers) {
        SCOPED_TRACE(number);
        vars v;
        Session s(std::to_string(number) + "\n");
        const std::string shown = s.run([&] { monster(v); });
        const std::string expected = menuscreen + firstpage(routine);
        EXPECT_EQ(shown.substr(0, expected.size()), expected);
    }
}

TEST(MonsterMenu, AfterTheFightTheMenuReturnsWithoutAFurtherWait) {
    vars v;
    v.str = 40;
    v.expneed = 100;
    Session s("1\n1\n");
    s.con.rolls({1});
    const std::string shown = s.run([&] { monster(v); });
    EXPECT_EQ(shown, menuscreen + titleline + "You found a rabid squirrel\n[key]" + titleline +
                         "HP: 10/10\nMP: 5/5\n1) Attack\n2) Magic\n3) Run\n? You attack\n"
                         " Slash: -82 enemy HP\n\nEnemy defeated!!\n[key]\n\n" +
                         titleline +
                         "\nYou kick some dirt over the still body of the squirrel\n\n"
                         "Found 2 gold\nGained 1 experience\n[key]");
    EXPECT_FALSE(s.ended());
}

}  // namespace
}  // namespace emberfell::testing
