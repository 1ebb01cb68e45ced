// Quest 8: The King of Dragons, the fork in the cave, the ending and the
// score. Its story ends the game: the program ends after the score screen.
#include "quests/script.h"

namespace emberfell {

namespace {

using enum act;
using enum beast;

// The two ways from the fork: 1 the light to the left, 2 the darkness.
constexpr step leftpath[] = {
    {print, "\nYou come upon several diamond dragons\n"},
    {fight, diamonddrag, 3},
    {clear},
    {print, "You killed all three diamond dragons!!\n"},
    {wait},
};
constexpr step rightpath[] = {
    {print, "\nYou come upon a pair of onyx dragons\n"},
    {fight, onyxdrag, 2},
    {clear},
    {print, "You killed both onyx dragons!!\n"},
    {wait},
};
constexpr std::span<const step> paths[] = {leftpath, rightpath};

constexpr step dragonkingsteps[] = {
    // From the mountain to the fork in the cave.
    {clear},
    {print, "You head towards the Mountain of Sorrow where the King of Dragons dwells\n"},
    {wait},
    {print,
     "The mountain looms up in front of you, an ominious threat to all those\n"
     "who behold it\n"},
    {wait},
    {print, "You check to make sure you brought plenty Potions of Recovery\n"},
    {wait},
    {print, "They just might keep you alive through it all\n"},
    {wait},
    {print,
     "As you draw closer to the terrible mountain, you can hear the roars\n"
     "of thousands of dragons\n"},
    {wait},
    {print, "You close your eyes, take a deep breath, and continue on\n"},
    {wait},
    {print,
     "Before you can reach the mountain, a pair of sapphire dragons veer\n"
     "toward you\n"},
    {wait},
    {fight, sapphiredrag, 2},
    {clear},
    {print, "After wiping your blade clean on the grass, you continue onward\n"},
    {wait},
    {print,
     "You've almost reached the entrance when you see two emerald dragons\n"
     "flying towards you\n"},
    {wait},
    {print,
     "You drink a Potion of Recovery to replenish your strength for\n"
     "the upcoming battle\n"},
    {recover},
    {wait},
    {fight, emeralddrag, 2},
    {clear},
    {print, "You drink another Potion of Recovery to regain your strength\n"},
    {recover},
    {wait},
    {print, "You enter the Mountain of Sorrow\n"},
    {wait},
    {print, "You walk through it's twisted halls for a while\n"},
    {wait},
    {print, "You can hear roaring and the stomping of heavy feet\n"},
    {wait},
    {print, "It's coming closer...\n"},
    {wait},
    {print, "You see a flash of red reflected off the cave wall\n"},
    {wait},
    {print, "Must be ruby dragons\n"},
    {wait},
    {fight, rubydrag, 2},
    {clear},
    {print, "Duran: This is getting old.\n"},
    {wait},
    {say, ": ...\n"},
    {wait},
    {print, "Thatch: Here, "},
    {name},
    {print, ", drink some of this.\n"},
    {wait},
    {print, "\nThatch hands you the rest of a Potion of Recovery\n\n"},
    {recover},
    {wait},
    {say, ": Let's go.\n"},
    {wait},
    {clear},
    {print, "You come to a fork in the cave\n"},
    {wait},
    {print,
     "You see a glimmer of light to the left and\n"
     "absolute darkness to the right\n"},
    {wait},
    {fork, "Go 1) left or 2) right? ", paths},
    // From the far side of the fork to the plaque on the statue.
    {print, "You drink a Potion of Recovery\n"},
    {recover},
    {wait},
    {print, "You continue farther into the depths of the mountain\n"},
    {wait},
    {print, "You see a glimmer of gold ahead\n"},
    {wait},
    {print, "You come into a room with two gold dragons\n"},
    {wait},
    {fight, golddrag, 2},
    {clear},
    {print, "You drink another Potion of Recovery\n"},
    {recover},
    {wait},
    {print,
     "You head forward into a cavern that is completely dark\n"
     "except for a beam of moonlight that shines through a\n"
     "crack in the ceiling\n"},
    {wait},
    {print, "This room must be near the surface\n"},
    {wait},
    {print, "The air feels unusually heavy in this cavern\n"},
    {wait},
    {print, "You get the distinct feeling something is wrong\n"},
    {wait},
    {fight, moondrag, 2},
    {clear},
    {print, "Thatch: That was a little freaky.\n"},
    {wait},
    {say, ": Yeah.\n"},
    {wait},
    {print, "Elbryan: Let's move on.\n"},
    {wait},
    {print, "Garath: Yes, we can drink a Potion of Recovery while we walk.\n\n"},
    {recover},
    {wait},
    {print, "You continue onward\n"},
    {wait},
    {print, "You come into a large cavern that is strangely lit\n"},
    {wait},
    {print, "It's also strangely empty...\n"},
    {wait},
    {fight, crystaldrag, 1},
    {clear},
    {print, "Thatch: That was REALLY freaky.\n"},
    {wait},
    {print,
     "Elbryan: I would assume that the King of Dragons is just beyond\n"
     "         that entrance over there.\n"},
    {wait},
    {print, "\nHe points to the far side of the cavern\n\n"},
    {wait},
    {print, "Garath: This spring has healing powers.\n"},
    {wait},
    {print, "\nHe motions to a pool of water\n\n"},
    {wait},
    {print, "Garath: We should drink from it and save our last Potion of Recovery.\n"},
    {wait},
    {print, "\nYou drink the water and feel refreshed!!\n\n"},
    {recover},
    {wait},
    {say, ": Let's go kill the King of Dragons.\n"},
    {wait},
    {print, "\nYou exit the cavern through the opening on the far side\n"},
    {wait},
    {print, "This cavern is even bigger than the last\n"},
    {wait},
    {print, "In the middle of a hoard of treasure sits the King of Dragons\n"},
    {wait},
    {fight, kingdrag1, 1},
    {clear},
    {print, "The wounded King of Dragons stumbles off through a side exit\n"},
    {wait},
    {print, "You rush to follow\n"},
    {wait},
    {print,
     "You just make it through the exit when the dragon king smashes\n"
     "a hind leg against the wall\n"},
    {wait},
    {print, "The walls shake and the exit behind you collapses\n"},
    {wait},
    {print, "None of your friends made it through to your side\n"},
    {wait},
    {print, "They are stuck on the other side till they can break through\n"},
    {wait},
    {print, "That will take awhile\n"},
    {wait},
    {print, "You must go on alone\n"},
    {wait},
    {print, "You grit your teeth and chase after the dragon king\n"},
    {wait},
    {print, "You enter into a large cavern\n"},
    {wait},
    {print, "You hear a loud roar\n"},
    {wait},
    {print, "The landslide the King of Dragons created also blocked its escape route\n"},
    {wait},
    {print,
     "The King of Dragons backs into a corner with a pool that looks\n"
     "suspiciously like a healing spring\n"},
    {wait},
    {print, "It draws energy into its claws and makes them glow\n"},
    {wait},
    {print, "You have a feeling that your armor won't be very effective against that\n"},
    {wait},
    {print, "You drink your last Potion of Recovery and grip your sword tighter\n\n"},
    {recover},
    {wait},
    {say, ": Let's end this...\n"},
    {wait},
    {fight, kingdrag2, 1},
    {clear},
    {print, "It's over\n"},
    {wait},
    {print, "You have defeated the King of Dragons\n"},
    {wait},
    {print, "Your kingdom is safe\n"},
    {wait},
    {print, "Your friends coming running into the cavern\n"},
    {wait},
    {print, "They are relieved to see you safe\n"},
    {wait},
    {print, "When you return to town, you are greeted by cheers\n"},
    {wait},
    {print, "You are no longer an unimportant noble no one cares about\n"},
    {wait},
    {print, "Your name will go down in history\n"},
    {wait},
    {print, "Already, a statue is being erected in your image\n"},
    {wait},
    {print, "It's gold plaque reads:\n\n"},
    {wait},
    {say,
     "\n"
     "This hero killed the\n"
     "King of Dragons and\n"
     "saved our land from the\n"
     "dragon's oppressive rule\n"
     "May he forever be\n"
     "remembered in our\n"
     "hearts\n"},
    {wait},
    {ending},
};

}  // namespace

const quest dragonking = {
    "The King of Dragons\n\n"
    "Reward: The respect and honor of everyone in the kingdom\n"
    "Info:\n"
    " It is now time for you to take on the King of Dragons.\n"
    " This old dragon has reigned terror over our land for way too\n"
    " long now. You have advanced far in your travels. You will either\n"
    " kill the dragon or die trying.\n\n",
    dragonkingsteps,
    {},
};

}  // namespace emberfell
