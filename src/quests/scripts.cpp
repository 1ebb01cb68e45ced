// Quests 1 to 7: each its steps, then its row: the notice, the steps and
// the reward.
#include "quests/script.h"

namespace emberfell {

namespace {

using enum act;
using enum beast;

// Quest 1: Den of Goblins.
constexpr step goblindensteps[] = {
    {clear},
    {print, "You venture into the goblin's den\n"},
    {wait},
    {print,
     "You go around a corner and come face to face with a group of goblins\n"
     "They aren't very happy to see you in their home and they attack!!\n"},
    {wait},
    {fight, goblin, 5},
    {clear},
    {print,
     "You defeated all five of the goblins!!\n"
     "You found 100 gold that they were guarding!!\n"},
    {gold, 100},
    {wait},
    {print,
     "You creep around the corner and see some more goblins.\n"
     "They have a young kid tied up and are presenting him to their leader.\n"
     "Their leader is a night stalker and it looks ready to suck out\n"
     "the kid's soul. You cannot leave the kid to die that horrible death\n"
     "so you attack.\n"},
    {wait},
    {fight, goblin, 4},
    {clear},
    {print,
     "You stand amidst the bodies of the goblins and stare at the night\n"
     "stalker, waiting for it to make the first move. It hisses and charges!!\n"},
    {wait},
    {fight, nightstalker, 1},
    {clear},
    {print, "Having defeated the night stalker, you walk over and untie the kid.\n"},
    {say, ": Hey kid, you alright?\n"},
    {wait},
    {print, "Kid: Yes, I'm fine...\n"},
    {wait},
    {say, ": What's your name?\n"},
    {wait},
    {print, "Kid: Thatch.\n"},
    {wait},
    {say, ": What are you doing here?\n"},
    {wait},
    {print,
     "Thatch: Well...I thought that maybe I could kinda sneak in here\n"
     "        and steal some of the goblin's gold without them noticing\n"},
    {wait},
    {say, ": ...and what made you think you could pull THAT off?\n"},
    {wait},
    {print,
     "Thatch: I'm pretty good at being sneaky and stealthy and all that.\n"
     "        I thought that I could...ahem...relocate some of their pocket\n"
     "        money without them noticing.\n"},
    {wait},
    {say, ": You're a thief.\n"},
    {wait},
    {print, "Thatch: Well...yes, but I prefer Material Relocation Professional.\n"},
    {wait},
    {say, ": Right.\n"},
    {wait},
    {print, "Thatch: Do you think I could hang out with you?\n"},
    {wait},
    {say, ": What!?!\n"},
    {wait},
    {print,
     "Thatch: I don't have any parents and you seem to be big and strong.\n"
     "        You could watch out for me and I could be your sidekick.\n"},
    {wait},
    {say, ": Uh...\n"},
    {wait},
    {print, "Thatch: Thanks!!\n"},
    {wait},
    {say, ": WAIT!! Uh, I can't...oh, forget it.\n"},
    {wait},
    {print, "Thatch joined your party!!\n"},
    {join, thatch},
    {wait},
};

// Quest 2: Animal Trouble.
constexpr step animaltroublesteps[] = {
    {clear},
    {print, "You venture into the barn\n"},
    {wait},
    {print, "You don't see anything unusual and you turn to leave\n"},
    {wait},
    {print, "You are attacked from behind by a band of savage squirrels!!\n"},
    {wait},
    {fight, squirrel, 6},
    {clear},
    {print,
     "You can't believe you were attacked by SQUIRRELS!!\n"
     "It's apparent that a wild case of rabies is going around.\n"},
    {wait},
    {print,
     "Now you see a group of squirrels, snakes, and rabbits\n"
     "coming your way. This is mad!!\n"},
    {wait},
    {fight, squirrel, 2},
    {fight, snake, 1},
    {fight, rabbit, 1},
    {fight, squirrel, 2},
    {fight, rabbit, 1},
    {fight, squirrel, 1},
    {fight, snake, 1},
    {clear},
    {print,
     "You spin around in the barn that houses this madness and see two\n"
     "bears coming your way.\n"},
    {wait},
    {fight, bear, 2},
    {clear},
    {print,
     "Bears? Only smaller animals usually fall prey to rabies. And\n"
     "now, not one bear, but two? What is going on here?\n"},
    {wait},
    {print,
     "You can see something out of the corner of your eyes but\n"
     "it's keeping to the shadows and out of sight.\n"},
    {wait},
    {print,
     "As you continue to stare into the darkness, you realize\n"
     "that there are several beings hiding out in the darkness,\n"
     "not just one.\n"},
    {wait},
    {print,
     "Slowly, the...'things'...come out into the light. They are not\n"
     "animals, they're imps. Hiding behind the imp's defensive line\n"
     "are a couple of night stalkers.\n"},
    {wait},
    {print,
     "That's what this is all about!! It's not a wild case of rabies\n"
     "as you previously thought, it's a demonic infestation!!\n"},
    {wait},
    {print, "You decide to end this madness here and attack!!\n"},
    {wait},
    {fight, imp, 4},
    {fight, nightstalker, 3},
    {clear},
    {print,
     "Finally it is over. The imps and nightstalkers are dead.\n"
     "Now you can collect your reward.\n"},
    {wait},
};

// Quest 3: Ogres in the Forest.
constexpr step ogreforeststeps[] = {
    {clear},
    {print, "You wander through the woods in search of the ogres\n"},
    {wait},
    {print, "You can see a campfire in the distance and you walk towards it\n"},
    {wait},
    {print, "You walk around a tree with a trunk as big as your rented room\n"},
    {wait},
    {print, "On the other side you walk right into an ogre!!\n"},
    {wait},
    {fight, ogre, 1},
    {clear},
    {print,
     "The sound of your battle has alerted the other ogres and\n"
     "you can hear them crashing through the brush to get to you.\n"},
    {wait},
    {print,
     "Knowing the ogres will soon be upon you, you take a defensible\n"
     "position and prepare for the attack.\n"},
    {wait},
    {fight, ogre, 4},
    {clear},
    {print,
     "You defeated the ogres!! You pick up all the treasure the ogres had\n"
     "and head back for your reward.\n"},
    {wait},
};

// Quest 4: Centaur Raiding Party.
constexpr step centaurraidingsteps[] = {
    {clear},
    {print,
     "You travel the trade routes with one of the more rich\n"
     "caravan groups\n"},
    {wait},
    {print,
     "You hope the centaurs will be tempted by the goods this\n"
     "caravan holds\n"},
    {wait},
    {print, "If so, you will attack!!\n"},
    {wait},
    {print, "You stay with the caravan for several days\n"},
    {wait},
    {print,
     "You are about to give up and return home when you hear centaur\n"
     "battle horns going off towards the caravan rear. It's begun!!\n"},
    {wait},
    {print,
     "You see a group of centaurs riding up towards you, thinking to\n"
     "kill you and take your gold\n"},
    {wait},
    {print,
     "You tighten your grip on your sword and prepare yourself to\n"
     "show them what a stupid idea that was\n"},
    {wait},
    {fight, centaur, 4},
    {clear},
    {print, "You stand triumphant over the four centaur bodies\n"},
    {wait},
    {print,
     "Before you go after the remaining centaurs, you check the\n"
     "bodies for treasure\n"},
    {wait},
    {print, "You found 100 gold!!\n"},
    {gold, 100},
    {wait},
    {print, "You rush after the rest of the centaurs and engage them\n"},
    {wait},
    {fight, centaur, 4},
    {clear},
    {print, "You are victorious!!\n"},
    {wait},
    {print, "The centaurs are all dead!!\n"},
    {wait},
    {print, "You smile to yourself and head to collect your reward\n"},
    {wait},
};

// Quest 5: Harpy Horse Stealers. Duran fights beside the knight from the
// moment the knight joins him, before he says that he has joined.
constexpr step harpiessteps[] = {
    {clear},
    {print, "You head towards the farmer's farm\n"},
    {wait},
    {print,
     "Before you even get there you can hear loud screeching noises\n"
     "coming from the vicinity of the farm\n"},
    {wait},
    {print, "You sigh and press onward\n"},
    {wait},
    {print,
     "When you try to enter onto the farm's premises,\n"
     "you are attacked by a couple of harpies\n"},
    {wait},
    {fight, harpy, 3},
    {clear},
    {print, "You killed all three of the harpies\n"},
    {wait},
    {print, "You follow the sound of the screeching\n"},
    {wait},
    {print,
     "When you come around the corner of the farmhouse you\n"
     "see an interesting sight\n"},
    {wait},
    {print, "An adventurer much like yourself is trying to ward off the harpies\n"},
    {wait},
    {print, "He isn't having much luck...\n"},
    {wait},
    {print, "You watch the spectacle for a while\n"},
    {wait},
    {print,
     "You decide that you might want to help the man before he gets\n"
     "seriously injured\n"},
    {wait},
    {print, "You join the man in fighting!!\n"},
    {join, duran},
    {wait},
    {fight, harpy, 5},
    {clear},
    {print, "You defeated all the harpies and saved the man's life\n"},
    {wait},
    {print, "You walk towards the man\n"},
    {wait},
    {say, ": Hey, what did you think you were doing?\n"},
    {wait},
    {print, "Man: The name's Duran and it's nice to meet you too\n"},
    {wait},
    {say, ": I probably just saved you from a horrible injury\n"},
    {wait},
    {print, "Duran: Shut up...\n"},
    {wait},
    {say, ": Is that your kind of gratitude?\n"},
    {wait},
    {print, "Duran: Ok, fine...thanks...\n"},
    {wait},
    {say, ": That's better\n"},
    {wait},
    {print, "Duran: Hey, I've got an idea\n"},
    {wait},
    {print, "Duran: Why don't I hang out with you?\n"},
    {wait},
    {say, ": ...and why would you want to do that?\n"},
    {wait},
    {print, "Duran: Because I kinda like you\n"},
    {wait},
    {print, "Duran: You have a sort of noble air around you\n"},
    {wait},
    {say, ": 'sigh'\n"},
    {wait},
    {print, "Duran joined your party!!\n"},
    {wait},
};

// Quest 6: Corruption. The wizards' potions go past the limits until the
// limit check that ends the guild master's fight.
constexpr step corruptionsteps[] = {
    {clear},
    {print, "You find the dark guild and venture inside\n"},
    {wait},
    {print, "Almost instantly, two thieves slip out of the shadows to challenge you\n"},
    {wait},
    {fight, thief, 2},
    {clear},
    {print, "You found 500 gold on the bodies of the thieves!!\n"},
    {gold, 500},
    {wait},
    {print, "You can hear an alarm bell going off in the dark recesses of the guild\n"},
    {wait},
    {print, "You turn off into a dimly lit hallway\n"},
    {wait},
    {print, "You can see a group of dark knights coming your way\n"},
    {wait},
    {print, "You hide around a corner and surprise them!!\n"},
    {wait},
    {fight, knight, 5},
    {clear},
    {print, "You search the corpses..."},
    {wait},
    {print, "and you find 650 gold!!\n"},
    {gold, 650},
    {wait},
    {print, "You continue to walk deeper into the guild\n"},
    {wait},
    {print, "You come into a huge room with a dome ceiling\n"},
    {wait},
    {print, "You see the guild master sitting on his throne\n"},
    {wait},
    {print, "He seems to be quite amused at all the trouble you've caused\n"},
    {wait},
    {print, "He snaps his fingers and two wizards come out into the light\n"},
    {wait},
    {print, "Guild Master: Kill them.\n"},
    {wait},
    {print, "The wizard on the left steps forward\n"},
    {wait},
    {print, "You prepare to dive to the side as the wizard unleashes his spell\n"},
    {wait},
    {print, "However, the expected surge of power doesn't come\n"},
    {wait},
    {print, "The ground shakes\n"},
    {wait},
    {print, "A bony hand emerges from the ground\n"},
    {wait},
    {print, "In shock, you watch as a group of skeletons push out of the ground\n"},
    {wait},
    {print, "The skeletons attack!!\n"},
    {wait},
    {fight, skeleton, 5},
    {clear},
    {print, "You rush forward to attack the wizards before they can raise more skeletons\n"},
    {wait},
    {fight, wizard, 2},
    {clear},
    {print, "You found a strength potion, a will potion, and a health potion on one wizard\n"},
    {potion, &vars::str, 10},
    {potion, &vars::wil, 10},
    {potion, &vars::maxhp, 100},
    {wait},
    {print,
     "You found a vitality potion, a wisdom potion, and a magic potion on the\n"
     "other wizard\n"},
    {potion, &vars::vit, 10},
    {potion, &vars::wis, 10},
    {potion, &vars::maxmp, 50},
    {wait},
    {print, "The guild master frowns...\n"},
    {wait},
    {print, "Guild Master: You amuse me no longer!!\n"},
    {wait},
    {fight, guildmaster, 1},
    {clear},
    {print, "You have eliminated the guild master\n"},
    {wait},
    {print, "All that is left of the guild has either run away or been killed\n"},
    {wait},
    {print, "Your job here is finished\n"},
    {wait},
};

// Quest 7: A Demonic Trace.
constexpr step demontracesteps[] = {
    {clear},
    {print, "You walk deeper into the forest\n"},
    {wait},
    {print, "You come to an ancient ruin\n"},
    {wait},
    {print, "It's entrance is guarded by a pair of trolls and a giant\n"},
    {wait},
    {print, "You can see an unearthly red glow coming from inside\n"},
    {wait},
    {print, "It looks like it goes deep underground\n"},
    {wait},
    {print,
     "You can't see any way to avoid the giant or trolls so you boldly walk\n"
     "straight up to the entrance\n"},
    {wait},
    {fight, troll, 2},
    {fight, giant, 1},
    {clear},
    {print,
     "Now that you've finished off the creatures guarding the entrance,\n"
     "you walk into the ruins\n"},
    {wait},
    {print,
     "As you walk deeper into the ruins, you realize the hallway is leading\n"
     "you straight to hell\n"},
    {wait},
    {print, "You come into a room with several demons\n"},
    {wait},
    {print, "They come forward to block your path\n"},
    {wait},
    {print, "It looks like they're guarding someone..."},
    {wait},
    {print, "or something...\n"},
    {wait},
    {fight, demon, 4},
    {clear},
    {print, "You can now see what the demons were defending\n"},
    {wait},
    {print, "It's one of the terrors of the underworld\n"},
    {wait},
    {print, "\nA demon lord\n\n"},
    {wait},
    {print, "It attacks!!\n"},
    {wait},
    {fight, demonlord, 1},
    {clear},
    {print, "You have defeated the demon lord\n"},
    {wait},
    {print, "That was no small task\n"},
    {wait},
    {print, "You found a pile of gold next to the demon lord's throne\n"},
    {wait},
    {print, "Gained 850 gold!!\n"},
    {gold, 850},
    {wait},
};

}  // namespace

const quest goblinden = {
    "Den of Goblins\n\n"
    "Reward: 200 gold\n"
    "Info:\n"
    " Need someone to clear out a den of goblins near the outskirts\n"
    " of town. 5 to 10 goblins estimated to live there. A reward is\n"
    " offered of 200 gold\n\n",
    goblindensteps,
    {100, 200, 100, 0},
};

const quest animaltrouble = {
    "Animal Trouble\n\n"
    "Reward: 300 gold\n"
    "Info:\n"
    " Need someone to check out a bunch of animals near my house.\n"
    " Animals suspected to have rabies. They have taken over the\n"
    " barn and killed some livestock. Reward offered.\n\n",
    animaltroublesteps,
    {100, 300, 200, 0},
};

// The magic potion (50 more maximum MP) raises the maximum only; the current
// MP stays.
const quest ogreforest = {
    "Ogres in the Forest\n\n"
    "Reward: 350 gold\n"
    "        Magic potion\n"
    "Info:\n"
    " There are ogres in the forest!! I saw them!! Please kill\n"
    " them before they reach the village. A reward of gold is offered\n"
    " and a potion of my own design. Someone please help!!\n\n",
    ogreforeststeps,
    {150, 350, 450, 50},
};

const quest centaurraiding = {
    "Centaur Raiding Party\n\n"
    "Reward: 500 gold\n"
    "Info:\n"
    " A centaur raiding party has been attacking caravans\n"
    " on trade routes to our kingdom. This has been damaging\n"
    " business and the people's moral. Someone please rid us\n"
    " of these beasts.\n\n",
    centaurraidingsteps,
    {300, 500, 750, 0},
};

const quest harpies = {
    "Harpy Horse Stealers\n\n"
    "Reward: 700 gold\n"
    "Info:\n"
    " Harpies are tormenting my cows and stealing my horses!!\n"
    " Seeking adventurer to rid my farm of these annoying creatures.\n"
    " Reward offered. Please hurry.\n\n",
    harpiessteps,
    {300, 700, 1000, 0},
};

const quest corruption = {
    "Corruption\n\n"
    "Reward: 1000 gold\n"
    "Info:\n"
    " I've heard of a dark guild. Thieves are plentiful in this evil\n"
    " place. Knights and wizards who have lost their souls come to\n"
    " this place to conspire against the forces of good. Someone\n"
    " please cleanse our land of this menace!!\n\n",
    corruptionsteps,
    {500, 1000, 1500, 0},
};

const quest demontrace = {
    "A Demonic Trace\n\n"
    "Reward: 1200 gold\n"
    "Info:\n"
    " I sense great evil in the darkest part of the forest. Several\n"
    " people have tried to find what lies in there but none so\n"
    " far have come out alive. Someone please investigate. Something\n"
    " is wrong.\n\n",
    demontracesteps,
    {700, 1200, 2500, 0},
};

}  // namespace emberfell
