// The King of Dragons: the fork in the cave, the two paths, the Potions of
// Recovery, the ending and the score, and the end of the program.

#include <gtest/gtest.h>

#include "quests/questplay.h"
#include "quests/quests.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

const std::string prompt = "Go 1) left or 2) right? ";

// The dragons before the fork, and those after the two paths.
const std::vector<std::string> beforefork = {"sapphiredrag", "sapphiredrag", "emeralddrag",
                                             "emeralddrag",  "rubydrag",     "rubydrag"};
const std::vector<std::string> afterpaths = {"golddrag",    "golddrag",  "moondrag", "moondrag",
                                             "crystaldrag", "kingdrag1", "kingdrag2"};

std::vector<std::string> road(std::vector<std::string> path) {
    std::vector<std::string> all = beforefork;
    all.insert(all.end(), path.begin(), path.end());
    all.insert(all.end(), afterpaths.begin(), afterpaths.end());
    return all;
}

int count(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

const std::string scorescreen(int kills) {
    return titleline +
           "                              Game Completed!!\n\nScore: " + std::to_string(kills) +
           "[key]";
}

TEST(KingOfDragons, TheLeftPathHasSixteenFights) {
    Session s(attacks(6) + "1\n" + attacks(10));
    vars v = strongknight(8);
    v.kills = 250;
    const std::string out = s.run([&] { dragonking(v); });
    EXPECT_EQ(monstersmet(out), road({"diamonddrag", "diamonddrag", "diamonddrag"}));
    EXPECT_EQ(count(out, prompt), 1);
    EXPECT_NE(out.find(prompt + "\nYou come upon several diamond dragons\n[clear]"),
              std::string::npos);
    EXPECT_TRUE(s.ended());
    EXPECT_EQ(s.status(), 0);
    EXPECT_EQ(v.kills, 266);
    EXPECT_EQ(v.quest, 8);
    const std::string tail = out.substr(out.rfind("[clear]"));
    EXPECT_EQ(tail, scorescreen(266));
}

TEST(KingOfDragons, ThreeThenZeroThenTwoTakesTheRightPath) {
    Session s(attacks(6) + "3\n0\n2\n" + attacks(9));
    vars v = strongknight(8);
    const std::string out = s.run([&] { dragonking(v); });
    EXPECT_EQ(count(out, prompt), 3);
    EXPECT_NE(
        out.find(prompt + prompt + prompt + "\nYou come upon a pair of onyx dragons\n[clear]"),
        std::string::npos);
    EXPECT_EQ(monstersmet(out), road({"onyxdrag", "onyxdrag"}));
    EXPECT_EQ(v.kills, 15);
    EXPECT_EQ(out.substr(out.rfind("[clear]")), scorescreen(15));
    EXPECT_EQ(s.status(), 0);
}

TEST(KingOfDragons, WordsAndHugeNumbersAtTheForkAreAskedAgain) {
    Session s(attacks(6) + "abc\n99999999999\n-1 left\n1\n" + attacks(10));
    vars v = strongknight(8);
    const std::string out = s.run([&] { dragonking(v); });
    EXPECT_EQ(count(out, prompt), 5);
    EXPECT_EQ(monstersmet(out), road({"diamonddrag", "diamonddrag", "diamonddrag"}));
    EXPECT_EQ(v.kills, 16);
    EXPECT_TRUE(s.ended());
}

TEST(KingOfDragons, EndOfInputAtTheForkEndsTheProgram) {
    for (const char* typed : {"", "abc", "abc\n", "7\n"}) {
        Session s(attacks(6) + typed);
        vars v = strongknight(8);
        const std::string out = s.run([&] { dragonking(v); });
        EXPECT_TRUE(s.ended()) << typed;
        EXPECT_EQ(s.status(), 0);
        EXPECT_EQ(monstersmet(out), beforefork) << typed;
        EXPECT_EQ(out.substr(out.size() - prompt.size()), prompt) << typed;
    }
}

TEST(KingOfDragons, PotionsOfRecoveryWithoutCompanions) {
    Session s(attacks(6) + "2\n" + attacks(9));
    vars v = strongknight(8);
    v.hp = 1;
    v.mp = 1;
    const std::string out = s.run([&] { dragonking(v); });
    // The sapphire dragons meet a knight at 1 HP; the first potion refills
    // him before the emerald dragons.
    EXPECT_NE(out.find("It's a sapphire dragon!!\n[key][clear]                             "
                       "Emberfell\n\nHP: 1/10000\nMP: 1/5000\n"),
              std::string::npos);
    EXPECT_NE(out.find("It's an emerald dragon!!\n[key][clear]                             "
                       "Emberfell\n\nHP: 10000/10000\nMP: 5000/5000\n"),
              std::string::npos);
    for (const char* line :
         {"You drink a Potion of Recovery to replenish your strength for\nthe upcoming battle\n",
          "You drink another Potion of Recovery to regain your strength\n",
          "\nThatch hands you the rest of a Potion of Recovery\n\n",
          "You drink a Potion of Recovery\n", "You drink another Potion of Recovery\n",
          "Garath: Yes, we can drink a Potion of Recovery while we walk.\n\n",
          "\nYou drink the water and feel refreshed!!\n\n",
          "You drink your last Potion of Recovery and grip your sword tighter\n\n"})
        EXPECT_EQ(count(out, std::string(line) + "[key]"), 1) << line;
    EXPECT_NE(out.find("Duran: This is getting old.\n[key]Ayla: ...\n[key]"
                       "Thatch: Here, Ayla, drink some of this.\n[key]"),
              std::string::npos);
}

TEST(KingOfDragons, TheEndingThePlaqueAndTheScore) {
    Session s(attacks(6) + "2\n" + attacks(9));
    vars v = strongknight(8);
    v.kills = 1000;
    const std::string out = s.run([&] { dragonking(v); });
    const std::vector<std::string> last = screens(out);
    ASSERT_GE(last.size(), 2u);
    EXPECT_EQ(last[last.size() - 2],
              "                             Emberfell\n\n"
              R"(It's over
[key]You have defeated the King of Dragons
[key]Your kingdom is safe
[key]Your friends coming running into the cavern
[key]They are relieved to see you safe
[key]When you return to town, you are greeted by cheers
[key]You are no longer an unimportant noble no one cares about
[key]Your name will go down in history
[key]Already, a statue is being erected in your image
[key]It's gold plaque reads:

[key]Ayla
This hero killed the
King of Dragons and
saved our land from the
dragon's oppressive rule
May he forever be
remembered in our
hearts
[key])");
    EXPECT_EQ("[clear]" + last.back(), scorescreen(1015));
    EXPECT_TRUE(s.ended());
    EXPECT_EQ(s.status(), 0);
}

}  // namespace
}  // namespace emberfell::testing
