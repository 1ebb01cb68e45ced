// Quests 1 to 7 played through the real encounters: the fights each runs, what
// is found on the way, who joins, and the closing.

#include <gtest/gtest.h>

#include "quests/questplay.h"
#include "quests/quests.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

using names = std::vector<std::string>;

names repeat(const char* monster, int times) {
    return names(static_cast<std::size_t>(times), monster);
}

names joined(std::initializer_list<names> parts) {
    names all;
    for (const names& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

const std::string title = "                             Emberfell\n\n";

// Quest 1's own screens, from the first text to the closing.
const std::vector<std::string> goblindenscreens = {
    title + R"(You venture into the goblin's den
[key]You go around a corner and come face to face with a group of goblins
They aren't very happy to see you in their home and they attack!!
[key])",
    title + R"(You defeated all five of the goblins!!
You found 100 gold that they were guarding!!
[key]You creep around the corner and see some more goblins.
They have a young kid tied up and are presenting him to their leader.
Their leader is a night stalker and it looks ready to suck out
the kid's soul. You cannot leave the kid to die that horrible death
so you attack.
[key])",
    title + R"(You stand amidst the bodies of the goblins and stare at the night
stalker, waiting for it to make the first move. It hisses and charges!!
[key])",
    title + R"(Having defeated the night stalker, you walk over and untie the kid.
Ayla: Hey kid, you alright?
[key]Kid: Yes, I'm fine...
[key]Ayla: What's your name?
[key]Kid: Thatch.
[key]Ayla: What are you doing here?
[key]Thatch: Well...I thought that maybe I could kinda sneak in here
        and steal some of the goblin's gold without them noticing
[key]Ayla: ...and what made you think you could pull THAT off?
[key]Thatch: I'm pretty good at being sneaky and stealthy and all that.
        I thought that I could...ahem...relocate some of their pocket
        money without them noticing.
[key]Ayla: You're a thief.
[key]Thatch: Well...yes, but I prefer Material Relocation Professional.
[key]Ayla: Right.
[key]Thatch: Do you think I could hang out with you?
[key]Ayla: What!?!
[key]Thatch: I don't have any parents and you seem to be big and strong.
        You could watch out for me and I could be your sidekick.
[key]Ayla: Uh...
[key]Thatch: Thanks!!
[key]Ayla: WAIT!! Uh, I can't...oh, forget it.
[key]Thatch joined your party!!
[key])",
    title + R"(Quest Completed!!
Spoils: 100 Gold
Reward: 200 Gold
Experience: 100
[key])",
};

TEST(DenOfGoblins, RunningFromEveryFightStillCompletesIt) {
    Session s(flights(10) + "n\n");
    vars v = strongknight();
    v.gold = 5000;
    const std::string out = s.run([&] { goblinden(v); });
    EXPECT_EQ(monstersmet(out), joined({repeat("goblin", 9), {"nightstalker"}}));
    EXPECT_EQ(out.find("Enemy defeated!!"), std::string::npos);
    EXPECT_TRUE(hasscreens(out, goblindenscreens));
    // Ten flights at 200 gold each, the 100 found and the closing's 300.
    EXPECT_EQ(v.gold, 5000 - 10 * 200 + 100 + 300);
    EXPECT_EQ(v.party[thatch], 1);
    EXPECT_EQ(v.quest, 2);
    EXPECT_EQ(v.kills, 0);
    const std::string board = s.run([&] { quests(v); });
    const std::string heading = titleline + "Quest Board:\nAnimal Trouble\n\n";
    EXPECT_EQ(board.substr(0, heading.size()), heading);
}

TEST(DenOfGoblins, ThatchJoinsOnlyAfterTheTenFights) {
    Session s(attacks(11));
    vars v = strongknight();
    const std::string out = s.run([&] { goblinden(v); });
    EXPECT_EQ(out.find("Thatch attacks"), std::string::npos);
    EXPECT_TRUE(hasscreens(out, goblindenscreens));
    EXPECT_EQ(v.kills, 10);
    EXPECT_EQ(v.party[thatch], 1);
}

TEST(AnimalTrouble, TwentyFourFightsInTheirOrder) {
    Session s(attacks(24));
    vars v = strongknight(2);
    const std::string out = s.run([&] { animaltrouble(v); });
    EXPECT_EQ(monstersmet(out), joined({repeat("squirrel", 6),
                                        repeat("squirrel", 2),
                                        {"snake", "rabbit"},
                                        repeat("squirrel", 2),
                                        {"rabbit", "squirrel", "snake"},
                                        repeat("bear", 2),
                                        repeat("imp", 4),
                                        repeat("nightstalker", 3)}));
    EXPECT_EQ(v.kills, 24);
    EXPECT_EQ(v.quest, 3);
    EXPECT_TRUE(hasscreens(out, {title + R"(Quest Completed!!
Spoils: 100 Gold
Reward: 300 Gold
Experience: 200
[key])"}));
}

TEST(OgresInTheForest, TheMagicPotionRaisesMaximumMPOnly) {
    Session s(attacks(5));
    vars v = strongknight(3);
    v.maxmp = 1000;
    v.mp = 300;
    const std::string out = s.run([&] { ogreforest(v); });
    EXPECT_EQ(monstersmet(out), repeat("ogre", 5));
    EXPECT_EQ(v.maxmp, 1050);
    EXPECT_EQ(v.mp, 300);
    EXPECT_EQ(v.quest, 4);
    EXPECT_TRUE(hasscreens(out, {title + R"(Quest Completed!!
Spoils: 150 Gold
Reward: 350 Gold
        Magic potion
Experience: 450
[key])"}));
}

TEST(CentaurRaidingParty, EightCentaursAndTheGoldFound) {
    Session s(attacks(8));
    vars v = strongknight(4);
    const std::string out = s.run([&] { centaurraiding(v); });
    EXPECT_EQ(monstersmet(out), repeat("centaur", 8));
    // Each centaur pays level + 13; the quest 100 on the way and 800 at the end.
    EXPECT_EQ(v.gold, 8 * 113 + 100 + 800);
    EXPECT_EQ(v.quest, 5);
}

TEST(HarpyHorseStealers, DuranFightsTheFiveLaterHarpies) {
    Session s(attacks(8));
    vars v = strongknight(5);
    const std::string out = s.run([&] { harpies(v); });
    EXPECT_EQ(monstersmet(out), repeat("harpy", 8));
    EXPECT_EQ(v.party[duran], 1);
    EXPECT_EQ(v.quest, 6);
    // He joins between the third and the fourth harpy.
    const std::size_t joins = out.find("You join the man in fighting!!\n");
    EXPECT_LT(out.find("You found a harpy\n"), joins);
    EXPECT_NE(out.find("You found a harpy\n", joins), std::string::npos);
}

TEST(HarpyHorseStealers, DuranStrikesOnceHeHasJoined) {
    // A knight who cannot kill a harpy with one blow: the harpy survives the
    // first turn, strikes, and the companions get their turn.
    Session s;
    vars v = strongknight(5);
    v.str = 100;
    v.atk = 80;  // 2 x 180 = 360 a blow: two blows a harpy of 720 HP
    std::string typed;
    for (int i = 0; i < 8; ++i) typed += "1\n1\n";
    s.con.type(typed);
    s.con.settime(ScriptedConsole::timefor(1));
    const std::string out = s.run([&] { harpies(v); });
    const std::size_t joins = out.find("You join the man in fighting!!\n");
    ASSERT_NE(joins, std::string::npos);
    EXPECT_EQ(out.substr(0, joins).find("Duran attacks\n"), std::string::npos);
    EXPECT_NE(out.find("Duran attacks\n", joins), std::string::npos);
}

TEST(Corruption, PotionsGoPastTheCapsUntilTheGuildMastersFight) {
    vars v = strongknight(6);
    v.str = v.vit = v.wis = v.wil = 495;
    {
        // The input ends at the guild master's first turn, which ends the game.
        Session s(attacks(14));
        const std::string out = s.run([&] { corruption(v); });
        EXPECT_TRUE(s.ended());
        EXPECT_EQ(monstersmet(out), joined({repeat("thief", 2),
                                            repeat("knight", 5),
                                            repeat("skeleton", 5),
                                            repeat("wizard", 2),
                                            {"guildmaster"}}));
        EXPECT_EQ(v.str, 505);
        EXPECT_EQ(v.wil, 505);
        EXPECT_EQ(v.vit, 505);
        EXPECT_EQ(v.wis, 505);
        EXPECT_EQ(v.maxhp, 10100);
        EXPECT_EQ(v.maxmp, 5050);
    }
    v = strongknight(6);
    v.str = v.vit = v.wis = v.wil = 495;
    Session s(attacks(15));
    const std::string out = s.run([&] { corruption(v); });
    EXPECT_FALSE(s.ended());
    EXPECT_EQ(v.str, 500);
    EXPECT_EQ(v.maxhp, 10000);
    EXPECT_EQ(v.quest, 7);
    // The fights pay 2 x 115, 5 x 120, 5 x 115, 2 x 121 and 600; the quest
    // 500 + 650 on the way and 1500 at the end.
    EXPECT_EQ(v.gold, 230 + 600 + 575 + 242 + 600 + 2650);
}

TEST(ADemonicTrace, TrollsGiantDemonsAndTheDemonLord) {
    Session s(attacks(8));
    vars v = strongknight(7);
    const std::string out = s.run([&] { demontrace(v); });
    EXPECT_EQ(monstersmet(out),
              joined({repeat("troll", 2), {"giant"}, repeat("demon", 4), {"demonlord"}}));
    // The fights pay 2 x 125, 125, 4 x 132 and 600; the quest 850 and 1900.
    EXPECT_EQ(v.gold, 250 + 125 + 528 + 600 + 850 + 1900);
    EXPECT_EQ(v.quest, 8);
    EXPECT_TRUE(hasscreens(out, {title + R"(You have defeated the demon lord
[key]That was no small task
[key]You found a pile of gold next to the demon lord's throne
[key]Gained 850 gold!!
[key])",
                                 title + R"(Quest Completed!!
Spoils: 700 Gold
Reward: 1200 Gold
Experience: 2500
[key])"}));
}

}  // namespace
}  // namespace emberfell::testing
