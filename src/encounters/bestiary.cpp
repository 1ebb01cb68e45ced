// The bestiary: every encounter of the game, one row of numbers and one row
// of texts each, in the order of `beast`.

#include "encounters/bestiary.h"

namespace emberfell {
namespace {

// clang-format off
// The numbers. The number typed at the monster menu (0: met only in quests).
// Gold found = level + gold bonus. The blows are for the rolls 1, 2 and 3: a
// plain number is the damage; the few special blows name what differs (see
// `blow`). Last, the rules of the few monsters that have them.
constexpr monsterrow numbers[] = {
    // monster          menu  start HP gold  exp   blow 1   blow 2   blow 3
    {beast::squirrel,           1,    10,   1,    1, {{    3}, {    4}, {    4}}},
    {beast::rabbit,             2,    20,   2,    2, {{    4}, {    5}, {    5}}},
    {beast::snake,              3,    30,   3,    3, {{    5}, {    6}, {    7}}},
    {beast::imp,                4,    45,   3,    4, {{    4}, {    7}, {   10}}},
    {beast::goblin,             5,    65,   4,    6, {{    7}, {   10}, {   20}}},
    {beast::bear,               6,   135,   6,   15, {{   15}, {   20}, {   35}}},
    {beast::nightstalker,       7,   160,   8,   15, {{   20}, {   27}, {   32}}},
    {beast::waterele,           8,   220,   9,   17, {{   35}, {   45}, {   51}}},
    {beast::thief,              9,   300,  15,   18, {{   25}, {   50}, {   63}}},
    {beast::ogre,              10,   415,  10,   35, {{   55}, {   65}, {   80}}},
    {beast::fireele,           11,   455,  11,   45, {{   75}, {   85}, {  110}}},
    {beast::genie,             12,   535,  12,   75, {{.kind = harm::halfhp}, {.kind = harm::strength}, {.kind = harm::twicestrength}},
     {.defense = guard::shownzero}},
    {beast::centaur,           13,   680,  13,   75, {{  100}, {  150}, {  200}}},
    {beast::harpy,             14,   720,  15,   95, {{  100}, {  250}, {  300}}},
    {beast::earthele,          15,   900,  17,  100, {{  250}, {  300}, {  500}},
     {.defense = guard::half}},
    {beast::knight,            16,  1100,  20,  110, {{  400}, {  550}, {  700}}},
    {beast::wizard,            17,  1500,  21,  120, {{.monsterhp = +300, .spares = true}, {  700}, {  900}}},
    {beast::golem,             18,  2000,  23,  150, {{  800}, { 1000}, { 1500}}},
    {beast::giant,             19,  2300,  25,  200, {{.spares = true}, {.damage = 1500, .monsterhp = -500}, { 1600}}},
    {beast::basilisk,          20,  2100,  27,  220, {{  500}, {.kind = harm::quartermaxhp}, {.kind = harm::quartermaxhp}}},
    {beast::windele,           21,  2500,  30,  250, {{ 1000}, { 1300}, { 1600}}},
    {beast::demon,             22,  2800,  32,  270, {{ 1100}, { 1400}, { 1800}}},
    {beast::destructionele,    23,  3000,  35,  290, {{ 1100}, { 1500}, { 2500}}},
    {beast::sapphiredrag,      24,  5000,  50,  350, {{ 2000}, { 2000}, { 2200}}},
    {beast::emeralddrag,       25,  6000,  55,  400, {{ 2000}, { 2200}, { 2400}}},
    {beast::rubydrag,          26,  7000,  60,  450, {{ 2100}, { 2300}, { 2500}}},
    {beast::diamonddrag,       27,  8000,  65,  500, {{ 2300}, { 2400}, { 2600}}},
    {beast::onyxdrag,          28,  9000,  70,  550, {{ 2200}, { 2500}, { 2700}}},
    {beast::golddrag,          29, 10000,  80,  600, {{ 2400}, { 2500}, { 2800}}},
    {beast::moondrag,          30, 11000, 100,  650, {{ 2500}, { 2800}, { 3000}}},
    {beast::snape,            619,    25,   5,   10, {{    5}, {    5}, {    6}}},
    {beast::dragonfly,        894,   500,  10,  100, {{  290}, {  300}, {  350}}},
    {beast::shadowcat,       3692,  1000,  15,  200, {{  330}, {  350}, {  370}}},
    {beast::face,           91890,  2000,  45,  300, {{  550}, {  600}, {.kind = harm::quarterhp}}},
    {beast::crystaldrag,    35420, 12000, 200, 1000, {{ 2600}, { 2900}, { 3200}}},
    {beast::guildmaster,        0,  2000, 500,  450, {{  700}, {  850}, { 1000}}},
    {beast::skeleton,           0,  1000,  15,  100, {{  400}, {  500}, {  600}}},
    {beast::troll,              0,  2200,  25,  200, {{.spares = true}, {.damage = 1500, .monsterhp = -250}, { 1500}},
     {.regenerates = 250}},
    {beast::demonlord,          0,  5000, 500, 1000, {{ 1400}, { 1800}, { 2000}}},
    {beast::kingdrag1,          0, 30000,   0, 5000, {{ 3000}, { 3100}, { 3400}},
     {.pays = winnings::exponly, .canrun = false}},
    {beast::kingdrag2,          0, 10000,   0,    0, {{ 3000}, { 3100}, {.monsterhp = +2000}},
     {.defense = guard::ignored, .pays = winnings::nothing, .canrun = false, .companions = false}},
};

// The texts: the monster's name, the three blows' names, the intro, then
// the closing ('~' is a wait for a key), and for a monster that regenerates
// the start of the line that says so.
constexpr monstertexts texts[] = {
    {beast::squirrel, "Rabid Squirrel", {"Claw", "Bite", "Rabies"},
     "You found a rabid squirrel\n~",
     "\nYou kick some dirt over the still body of the squirrel\n"},
    {beast::rabbit, "Killer Rabbit", {"Scratch", "Bite", "Rabies"},
     "You found a killer rabbit\n~",
     "\nYou skin the dead rabbit and save its meat for later\n"},
    {beast::snake, "Snake", {"Fangs", "Constrict", "Venom"},
     "You found a snake\n~",
     "\nYou decapitate the snake\n"},
    {beast::imp, "Imp", {"Scratch", "Tail Slit", "Burn"},
     "You found an imp\n~",
     "\nYou chop the imp up into very little pieces\n"},
    {beast::goblin, "Goblin", {"Scratch", "Slash", "Chop"},
     "You found a goblin\n~",
     "\nYou stab the goblin through the heart\n"},
    {beast::bear, "Bear", {"Claw", "Charge", "Head Smack"},
     "You found a bear\n~",
     "\nThe bear finally falls to the ground after sustaining amazing damage\n"},
    {beast::nightstalker, "Night Stalker", {"Claw", "Shadow Touch", "Shadow Meld"},
     "You found a night stalker\n~",
     "\nThe night stalker vanishes into nothing\n"},
    {beast::waterele, "Water Elemental", {"Cool Touch", "Water Blast", "Tidal Wave"},
     "You found a water elemental\n~",
     "\nThe water elemental melts into the ground\n"},
    {beast::thief, "Thief", {"Knife Poke", "Backstab", "Throat Slice"},
     "You found a thief\n~",
     "\nYou stab the thief through the heart\n"},
    {beast::ogre, "Ogre", {"Club Smack", "Club Smack", "Club Smack"},
     "You found an ogre\n~",
     "\nThe ogre falls slowly forward, hits the ground, and never moves again\n"},
    {beast::fireele, "Fire Elemental", {"Burn", "Fire Wall", "Blaze"},
     "You found a fire elemental\n~",
     "\nThe fire elemental disappears in a puff of smoke\n"},
    {beast::genie, "Genie", {"HP Drop", "Copy", "Reflect"},
     "You found a genie\n~",
     "\nThe genie disappears in a puff of red smoke\n"},
    {beast::centaur, "Centaur", {"Trample", "Arrow to the Heart", "Sword-Hoof Combo"},
     "You found a centaur\n~",
     "\nThe centaur falls over and his eyes glaze over\n"},
    {beast::harpy, "Harpy", {"Screech", "Claws", "Swooping Attack"},
     "You found a harpy\n~",
     "\nThe harpy's wings can no longer hold it in the air and it plummets to the earth\n"},
    {beast::earthele, "Earth Elemental", {"Bash", "Tremor", "Earthquake"},
     "You found an earth elemental\n~",
     "\nThe earth elemental crumbles into a thousand pieces\n"},
    {beast::knight, "Corrupted Knight", {"Slash", "Overhead Chop", "Chaos"},
     "You found one of the corrupted knights\n~",
     "\nThe knight stumbles, bleeding from every opening in his armor, falls,\n"
     "and lays very still. The expression on his face seems to suggest that he\n"
     "may have found peace in death\n"},
    {beast::wizard, "Evil Wizard", {"Cure", "Melt", "Lightning Storm"},
     "You found an evil wizard\n~",
     "\nThe wizard disintegrates before your eyes\n"},
    {beast::golem, "Golem", {"Bash", "Bash", "Rock Fist"},
     "The rock shifts to the right of you and a golem lumbers forth\n~",
     "\nThe golem crumbles and then melts into the ground\n"},
    {beast::giant, "Giant", {"Blank Expression", "Confusion", "Tree Club Thump"},
     "The mountain in front of you moves. It's a giant!!\n~",
     "\nThe giant falls and you narrowly avoid being squashed flat\n"},
    {beast::basilisk, "Basilisk", {"Claw Swipe", "Glare", "Glare"},
     "The bush in front of you suddenly shrivels up. From around its dried husk\n"
     "comes a giant lizard with a penetrating glare, a basilisk\n~",
     "\nThe basilisk falls dead to the ground\n"},
    {beast::windele, "Wind Elemental", {"Chill Wind", "Funnel", "Tornado"},
     "The air swirls in front of you and forms a wind elemental\n~",
     "\nThe wind elemental fades away into nothingness\n"},
    {beast::demon, "Demon", {"Slash", "Broadsword Combo", "Demon Fire"},
     "You found a demon\n~",
     "\nThe demon bursts into flames and its twisted soul returns to the underworld\n"},
    {beast::destructionele, "Destruction Elemental", {"Power Flow", "Explosion", "Destructive Force"},
     "The hillside in front of you explodes and a being of pure destructive\n"
     "energy emerges. It's a destruction elemental!!\n~",
     "\nThe destruction elemental explodes and leaves a small crater at your feet\n"},
    {beast::sapphiredrag, "Sapphire Dragon", {"Claw Rake", "Water Blast", "Whirlpool Vortex"},
     "The river shoots up into the air and then becomes solid.\n"
     "It's a sapphire dragon!!\n~",
     "\nThe sapphire dragon evaporates into the air\n"},
    {beast::emeralddrag, "Emerald Dragon", {"Claw Rake", "Earthquake", "Epi-center"},
     "The ground shakes and a green dragon busts out of a solid rock wall.\n"
     "It's an emerald dragon!!\n~",
     "\nThe emerald dragon crashes to the ground and lies still\n"},
    {beast::rubydrag, "Ruby Dragon", {"Claw Rake", "Fireball", "Incinerate"},
     "The tree in front of you bursts into a towering pyre of fire and solidifies.\n"
     "It's a ruby dragon!!\n~",
     "\nThe ruby dragon bursts into flame and turns to ashes\n"},
    {beast::diamonddrag, "Diamond Dragon", {"Claw Rake", "Freeze", "Blizzard"},
     "The air has a chill quality to it. You are blinded by a flash of white light.\n"
     "It's a diamond dragon!!\n~",
     "\nThe diamond dragon shatters into millions of sparkling shards\n"},
    {beast::onyxdrag, "Onyx Dragon", {"Claw Rake", "Soul Suck", "Power of Death"},
     "The sun is blotted out by dark clouds. A dark shape lands in front of you.\n"
     "It's an onyx dragon!!\n~",
     "\nThe onyx dragon turns into a black vapor and disappears\n"},
    {beast::golddrag, "Gold Dragon", {"Claw Rake", "Dragon Fire", "Power Surge"},
     "You see a mound of gold!! ...and it moves...\n"
     "It's a gold dragon!!\n~",
     "\nThe gold dragon falls over, lets out one last puff of smoke, and lies still\n"},
    {beast::moondrag, "Moon Dragon", {"Gravity Well", "Moon Beam", "Black Hole"},
     "The moonlight shimmers in front of you and forms a shining white dragon.\n"
     "It's a moon dragon!!\n~",
     "\nThe moon dragon disappears in a blinding flash of light\n"},
    {beast::snape, "snape", {"Scratch", "Bite", "Chilling Howl"},
     "You see something poke its head out of a hole in the trunk of a tree\n"
     "Its head has scales and its body has feathers\n~"
     "You seem to have found one of the most elusive of animals, the snape\n~",
     "\nYou try to catch the snape but it seems to just disappear...\n"},
    {beast::dragonfly, "golden dragonfly", {"Peck", "Blind", "Poison Sting"},
     "You see a shiny speck in the sky\n"
     "As it comes closer, the light from its scales blinds you\n~"
     "You have found a very valuable golden dragonfly\n~",
     "\nYou take the body of the dragonfly to the nearest shop\n"
     "for a considerable reward\n"},
    {beast::shadowcat, "shadow cat", {"Scratch", "Darkness", "Shadow Swipe"},
     "A shadow slides across the ground towards you\n~"
     "It's a shadow cat!!\n~",
     "\nThe shadow cat melts into the shadows of the nearest tree\n"},
    {beast::face, "smiley face", {"Smile", "Glare", "Evil Grin"},
     "You see a strange face etched into a rock. As you come closer, it starts\n"
     "to move\n~"
     "It's a...smiley face!?!\n~",
     "\nThe smiley face gives you a big frown and disappears...\n"},
    {beast::crystaldrag, "crystal dragon", {"Claw Combo", "Invisibility Complex", "Sun Charge Reflection"},
     "The air seems to move. Two burning red eyes open and glare at you.\n"
     "You can see a fuzzy dragon shaped outline.\n"
     "It's a crystal dragon!!\n~",
     "\nThe crystal dragon shatters\n"},
    {beast::guildmaster, "guild master", {"Dagger Throw", "Slash", "Endless Void"},
     "The guild master attacks!!\n~",
     "\nThe guild leader cries out in horror and pain as he goes\n"
     "to meet his master\n"},
    {beast::skeleton, "skeleton", {"Finger Claw", "Skull Bash", "Cold Touch"},
     "You attack a skeleton!!\n~",
     "\nThe skeleton falls apart at your feet\n"},
    {beast::troll, "troll", {"Blank Expression", "Confused Swing", "Rancid Breath"},
     "It's a troll!!\n~",
     "\nThe troll finally stops moving\n",
     "The troll's skin regenerates"},
    {beast::demonlord, "demon lord", {"Broadsword Combo", "Demon Fire", "Flaming Fists of Fury"},
     "You attack the demon lord!!\n~",
     "\nThe demon lord flames up into a towering column of fire...~"
     "and disappears...\n~"},
    {beast::kingdrag1, "King of Dragons", {"Claw Combo", "Power Surge", "Energy Flare"},
     "The King of Dragons roars and attacks!!\n~",
     "\nThe dragon king stumbles\n"
     "\n"},
    {beast::kingdrag2, "King of Dragons", {"Claw Combo", "Power Spark", "Drink From Healing Spring"},
     "You attack the King of Dragons!!\n~",
     "\nThe dragon king lets out one last roar and dies\n"},
};
// clang-format on

// Every monster has its row in each table, in the order of `beast`.
template <class Row>
constexpr bool inorder(std::span<const Row> rows) {
    if (rows.size() != beastcount) return false;
    for (int i = 0; i < beastcount; ++i)
        if (rows[static_cast<std::size_t>(i)].id != static_cast<beast>(i)) return false;
    return true;
}
static_assert(inorder<monsterrow>(numbers));
static_assert(inorder<monstertexts>(texts));

}  // namespace

const monsterrow& numbersof(beast b) {
    return numbers[static_cast<int>(b)];
}

const monstertexts& textsof(beast b) {
    return texts[static_cast<int>(b)];
}

std::span<const monsterrow> bestiary() {
    return numbers;
}

}  // namespace emberfell
