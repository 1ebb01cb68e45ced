#include "quests/notices.h"

#include "quests/quests.h"

namespace emberfell {

namespace {

// One row per quest, in the order of the `quest` field (1 to 8): the notice's
// whole text as the board prints it, then the quest's script.
constexpr notice notices[] = {
    {"Den of Goblins\n\n"
     "Reward: 200 gold\n"
     "Info:\n"
     " Need someone to clear out a den of goblins near the outskirts\n"
     " of town. 5 to 10 goblins estimated to live there. A reward is\n"
     " offered of 200 gold\n\n",
     goblinden},
    {"Animal Trouble\n\n"
     "Reward: 300 gold\n"
     "Info:\n"
     " Need someone to check out a bunch of animals near my house.\n"
     " Animals suspected to have rabies. They have taken over the\n"
     " barn and killed some livestock. Reward offered.\n\n",
     animaltrouble},
    {"Ogres in the Forest\n\n"
     "Reward: 350 gold\n"
     "        Magic potion\n"
     "Info:\n"
     " There are ogres in the forest!! I saw them!! Please kill\n"
     " them before they reach the village. A reward of gold is offered\n"
     " and a potion of my own design. Someone please help!!\n\n",
     ogreforest},
    {"Centaur Raiding Party\n\n"
     "Reward: 500 gold\n"
     "Info:\n"
     " A centaur raiding party has been attacking caravans\n"
     " on trade routes to our kingdom. This has been damaging\n"
     " business and the people's moral. Someone please rid us\n"
     " of these beasts.\n\n",
     centaurraiding},
    {"Harpy Horse Stealers\n\n"
     "Reward: 700 gold\n"
     "Info:\n"
     " Harpies are tormenting my cows and stealing my horses!!\n"
     " Seeking adventurer to rid my farm of these annoying creatures.\n"
     " Reward offered. Please hurry.\n\n",
     harpies},
    {"Corruption\n\n"
     "Reward: 1000 gold\n"
     "Info:\n"
     " I've heard of a dark guild. Thieves are plentiful in this evil\n"
     " place. Knights and wizards who have lost their souls come to\n"
     " this place to conspire against the forces of good. Someone\n"
     " please cleanse our land of this menace!!\n\n",
     corruption},
    {"A Demonic Trace\n\n"
     "Reward: 1200 gold\n"
     "Info:\n"
     " I sense great evil in the darkest part of the forest. Several\n"
     " people have tried to find what lies in there but none so\n"
     " far have come out alive. Someone please investigate. Something\n"
     " is wrong.\n\n",
     demontrace},
    {"The King of Dragons\n\n"
     "Reward: The respect and honor of everyone in the kingdom\n"
     "Info:\n"
     " It is now time for you to take on the King of Dragons.\n"
     " This old dragon has reigned terror over our land for way too\n"
     " long now. You have advanced far in your travels. You will either\n"
     " kill the dragon or die trying.\n\n",
     dragonking},
};

}  // namespace

std::span<const notice> questnotices() {
    return notices;
}

}  // namespace emberfell
