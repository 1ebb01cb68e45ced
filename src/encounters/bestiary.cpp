// The bestiary: every encounter of the game, one row each.

#include "encounters/bestiary.h"

#include <string_view>

namespace emberfell {
namespace {

// Each row: the entry operation's name; the start HP; the three blows, for
// the rolls 1, 2 and 3, each {name, damage} and for a few blows also how the
// damage is worked out (harm), the change to the monster's own HP and
// whether the knight is spared; the intro, then the closing ('~' is a wait
// for a key); the gold bonus (gold found = level + bonus); the experience;
// and, last, the special rules of the few monsters that have them (no
// defense, half defense, no flight, no companions, regeneration, what the
// victory pays).
// clang-format off
constexpr monsterrow bestiary[] = {
    {"squirrel", 10, {{"Claw", 3}, {"Bite", 4}, {"Rabies", 4}},
     "You found a rabid squirrel\n~",
     "\nYou kick some dirt over the still body of the squirrel\n",
     1, 1},
    {"rabbit", 20, {{"Scratch", 4}, {"Bite", 5}, {"Rabies", 5}},
     "You found a killer rabbit\n~",
     "\nYou skin the dead rabbit and save its meat for later\n",
     2, 2},
    {"snake", 30, {{"Fangs", 5}, {"Constrict", 6}, {"Venom", 7}},
     "You found a snake\n~",
     "\nYou decapitate the snake\n",
     3, 3},
    {"imp", 45, {{"Scratch", 4}, {"Tail Slit", 7}, {"Burn", 10}},
     "You found an imp\n~",
     "\nYou chop the imp up into very little pieces\n",
     3, 4},
    {"goblin", 65, {{"Scratch", 7}, {"Slash", 10}, {"Chop", 20}},
     "You found a goblin\n~",
     "\nYou stab the goblin through the heart\n",
     4, 6},
    {"bear", 135, {{"Claw", 15}, {"Charge", 20}, {"Head Smack", 35}},
     "You found a bear\n~",
     "\nThe bear finally falls to the ground after sustaining amazing damage\n",
     6, 15},
    {"nightstalker", 160, {{"Claw", 20}, {"Shadow Touch", 27}, {"Shadow Meld", 32}},
     "You found a night stalker\n~",
     "\nThe night stalker vanishes into nothing\n",
     8, 15},
    {"waterele", 220, {{"Cool Touch", 35}, {"Water Blast", 45}, {"Tidal Wave", 51}},
     "You found a water elemental\n~",
     "\nThe water elemental melts into the ground\n",
     9, 17},
    {"thief", 300, {{"Knife Poke", 25}, {"Backstab", 50}, {"Throat Slice", 63}},
     "You found a thief\n~",
     "\nYou stab the thief through the heart\n",
     15, 18},
    {"ogre", 415, {{"Club Smack", 55}, {"Club Smack", 65}, {"Club Smack", 80}},
     "You found an ogre\n~",
     "\nThe ogre falls slowly forward, hits the ground, and never moves again\n",
     10, 35},
    {"fireele", 455, {{"Burn", 75}, {"Fire Wall", 85}, {"Blaze", 110}},
     "You found a fire elemental\n~",
     "\nThe fire elemental disappears in a puff of smoke\n",
     11, 45},
    {"genie", 535, {{"HP Drop", 0, harm::halfhp}, {"Copy", 0, harm::strength}, {"Reflect", 0, harm::twicestrength}},
     "You found a genie\n~",
     "\nThe genie disappears in a puff of red smoke\n",
     12, 75,
     {.defense = guard::shownzero}},
    {"centaur", 680, {{"Trample", 100}, {"Arrow to the Heart", 150}, {"Sword-Hoof Combo", 200}},
     "You found a centaur\n~",
     "\nThe centaur falls over and his eyes glaze over\n",
     13, 75},
    {"harpy", 720, {{"Screech", 100}, {"Claws", 250}, {"Swooping Attack", 300}},
     "You found a harpy\n~",
     "\nThe harpy's wings can no longer hold it in the air and it plummets to the earth\n",
     15, 95},
    {"earthele", 900, {{"Bash", 250}, {"Tremor", 300}, {"Earthquake", 500}},
     "You found an earth elemental\n~",
     "\nThe earth elemental crumbles into a thousand pieces\n",
     17, 100,
     {.defense = guard::half}},
    {"knight", 1100, {{"Slash", 400}, {"Overhead Chop", 550}, {"Chaos", 700}},
     "You found one of the corrupted knights\n~",
     "\nThe knight stumbles, bleeding from every opening in his armor, falls,\n"
     "and lays very still. The expression on his face seems to suggest that he\n"
     "may have found peace in death\n",
     20, 110},
    {"wizard", 1500, {{"Cure", 0, harm::fixed, +300, true}, {"Melt", 700}, {"Lightning Storm", 900}},
     "You found an evil wizard\n~",
     "\nThe wizard disintegrates before your eyes\n",
     21, 120},
    {"golem", 2000, {{"Bash", 800}, {"Bash", 1000}, {"Rock Fist", 1500}},
     "The rock shifts to the right of you and a golem lumbers forth\n~",
     "\nThe golem crumbles and then melts into the ground\n",
     23, 150},
    {"giant", 2300, {{"Blank Expression", 0, harm::fixed, 0, true}, {"Confusion", 1500, harm::fixed, -500}, {"Tree Club Thump", 1600}},
     "The mountain in front of you moves. It's a giant!!\n~",
     "\nThe giant falls and you narrowly avoid being squashed flat\n",
     25, 200},
    {"basilisk", 2100, {{"Claw Swipe", 500}, {"Glare", 0, harm::quartermaxhp}, {"Glare", 0, harm::quartermaxhp}},
     "The bush in front of you suddenly shrivels up. From around its dried husk\n"
     "comes a giant lizard with a penetrating glare, a basilisk\n~",
     "\nThe basilisk falls dead to the ground\n",
     27, 220},
    {"windele", 2500, {{"Chill Wind", 1000}, {"Funnel", 1300}, {"Tornado", 1600}},
     "The air swirls in front of you and forms a wind elemental\n~",
     "\nThe wind elemental fades away into nothingness\n",
     30, 250},
    {"demon", 2800, {{"Slash", 1100}, {"Broadsword Combo", 1400}, {"Demon Fire", 1800}},
     "You found a demon\n~",
     "\nThe demon bursts into flames and its twisted soul returns to the underworld\n",
     32, 270},
    {"destructionele", 3000, {{"Power Flow", 1100}, {"Explosion", 1500}, {"Destructive Force", 2500}},
     "The hillside in front of you explodes and a being of pure destructive\n"
     "energy emerges. It's a destruction elemental!!\n~",
     "\nThe destruction elemental explodes and leaves a small crater at your feet\n",
     35, 290},
    {"sapphiredrag", 5000, {{"Claw Rake", 2000}, {"Water Blast", 2000}, {"Whirlpool Vortex", 2200}},
     "The river shoots up into the air and then becomes solid.\n"
     "It's a sapphire dragon!!\n~",
     "\nThe sapphire dragon evaporates into the air\n",
     50, 350},
    {"emeralddrag", 6000, {{"Claw Rake", 2000}, {"Earthquake", 2200}, {"Epi-center", 2400}},
     "The ground shakes and a green dragon busts out of a solid rock wall.\n"
     "It's an emerald dragon!!\n~",
     "\nThe emerald dragon crashes to the ground and lies still\n",
     55, 400},
    {"rubydrag", 7000, {{"Claw Rake", 2100}, {"Fireball", 2300}, {"Incinerate", 2500}},
     "The tree in front of you bursts into a towering pyre of fire and solidifies.\n"
     "It's a ruby dragon!!\n~",
     "\nThe ruby dragon bursts into flame and turns to ashes\n",
     60, 450},
    {"diamonddrag", 8000, {{"Claw Rake", 2300}, {"Freeze", 2400}, {"Blizzard", 2600}},
     "The air has a chill quality to it. You are blinded by a flash of white light.\n"
     "It's a diamond dragon!!\n~",
     "\nThe diamond dragon shatters into millions of sparkling shards\n",
     65, 500},
    {"onyxdrag", 9000, {{"Claw Rake", 2200}, {"Soul Suck", 2500}, {"Power of Death", 2700}},
     "The sun is blotted out by dark clouds. A dark shape lands in front of you.\n"
     "It's an onyx dragon!!\n~",
     "\nThe onyx dragon turns into a black vapor and disappears\n",
     70, 550},
    {"golddrag", 10000, {{"Claw Rake", 2400}, {"Dragon Fire", 2500}, {"Power Surge", 2800}},
     "You see a mound of gold!! ...and it moves...\n"
     "It's a gold dragon!!\n~",
     "\nThe gold dragon falls over, lets out one last puff of smoke, and lies still\n",
     80, 600},
    {"moondrag", 11000, {{"Gravity Well", 2500}, {"Moon Beam", 2800}, {"Black Hole", 3000}},
     "The moonlight shimmers in front of you and forms a shining white dragon.\n"
     "It's a moon dragon!!\n~",
     "\nThe moon dragon disappears in a blinding flash of light\n",
     100, 650},
    {"snape", 25, {{"Scratch", 5}, {"Bite", 5}, {"Chilling Howl", 6}},
     "You see something poke its head out of a hole in the trunk of a tree\n"
     "Its head has scales and its body has feathers\n~"
     "You seem to have found one of the most elusive of animals, the snape\n~",
     "\nYou try to catch the snape but it seems to just disappear...\n",
     5, 10},
    {"dragonfly", 500, {{"Peck", 290}, {"Blind", 300}, {"Poison Sting", 350}},
     "You see a shiny speck in the sky\n"
     "As it comes closer, the light from its scales blinds you\n~"
     "You have found a very valuable golden dragonfly\n~",
     "\nYou take the body of the dragonfly to the nearest shop\n"
     "for a considerable reward\n",
     10, 100},
    {"shadowcat", 1000, {{"Scratch", 330}, {"Darkness", 350}, {"Shadow Swipe", 370}},
     "A shadow slides across the ground towards you\n~"
     "It's a shadow cat!!\n~",
     "\nThe shadow cat melts into the shadows of the nearest tree\n",
     15, 200},
    {"face", 2000, {{"Smile", 550}, {"Glare", 600}, {"Evil Grin", 0, harm::quarterhp}},
     "You see a strange face etched into a rock. As you come closer, it starts\n"
     "to move\n~"
     "It's a...smiley face!?!\n~",
     "\nThe smiley face gives you a big frown and disappears...\n",
     45, 300},
    {"crystaldrag", 12000, {{"Claw Combo", 2600}, {"Invisibility Complex", 2900}, {"Sun Charge Reflection", 3200}},
     "The air seems to move. Two burning red eyes open and glare at you.\n"
     "You can see a fuzzy dragon shaped outline.\n"
     "It's a crystal dragon!!\n~",
     "\nThe crystal dragon shatters\n",
     200, 1000},
    {"guildmaster", 2000, {{"Dagger Throw", 700}, {"Slash", 850}, {"Endless Void", 1000}},
     "The guild master attacks!!\n~",
     "\nThe guild leader cries out in horror and pain as he goes\n"
     "to meet his master\n",
     500, 450},
    {"skeleton", 1000, {{"Finger Claw", 400}, {"Skull Bash", 500}, {"Cold Touch", 600}},
     "You attack a skeleton!!\n~",
     "\nThe skeleton falls apart at your feet\n",
     15, 100},
    {"troll", 2200, {{"Blank Expression", 0, harm::fixed, 0, true}, {"Confused Swing", 1500, harm::fixed, -250}, {"Rancid Breath", 1500}},
     "It's a troll!!\n~",
     "\nThe troll finally stops moving\n",
     25, 200,
     {.regenerates = 250, .regenline = "The troll's skin regenerates: +250 enemy hp\n\n"}},
    {"demonlord", 5000, {{"Broadsword Combo", 1400}, {"Demon Fire", 1800}, {"Flaming Fists of Fury", 2000}},
     "You attack the demon lord!!\n~",
     "\nThe demon lord flames up into a towering column of fire...~"
     "and disappears...\n~",
     500, 1000},
    {"kingdrag1", 30000, {{"Claw Combo", 3000}, {"Power Surge", 3100}, {"Energy Flare", 3400}},
     "The King of Dragons roars and attacks!!\n~",
     "\nThe dragon king stumbles\n"
     "\n",
     0, 5000,
     {.pays = reward::exponly, .canrun = false}},
    {"kingdrag2", 10000, {{"Claw Combo", 3000}, {"Power Spark", 3100}, {"Drink From Healing Spring", 0, harm::fixed, +2000}},
     "You attack the King of Dragons!!\n~",
     "\nThe dragon king lets out one last roar and dies\n",
     0, 0,
     {.defense = guard::ignored, .pays = reward::nothing, .canrun = false, .companions = false}},
};
// clang-format on

}  // namespace

const monsterrow& bestiaryrow(std::string_view routine) {
    for (const monsterrow& m : bestiary)
        if (m.routine == routine) return m;
    return bestiary[0];  // every entry operation has its row; see the tests
}

bestiaryrows allrows() {
    return {bestiary, static_cast<int>(std::size(bestiary))};
}

}  // namespace emberfell
