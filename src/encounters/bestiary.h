#pragma once
// The bestiary: one constant row per encounter, read by the one encounter
// routine (encounter.cpp) and the monster menu. The rows themselves are in
// bestiary.cpp.

#include <span>
#include <string_view>

namespace emberfell {

// Every encounter of the game, in the bestiary's order. A fight names its
// monster by one of these, so a misspelt monster does not build.
// clang-format off
enum class beast : int {
    squirrel, rabbit, snake, imp, goblin, bear, nightstalker, waterele, thief, ogre,
    fireele, genie, centaur, harpy, earthele, knight, wizard, golem, giant, basilisk,
    windele, demon, destructionele, sapphiredrag, emeralddrag, rubydrag, diamonddrag,
    onyxdrag, golddrag, moondrag, snape, dragonfly, shadowcat, face, crystaldrag,
    guildmaster, skeleton, troll, demonlord, kingdrag1, kingdrag2,
};
// clang-format on
inline constexpr int beastcount = static_cast<int>(beast::kingdrag2) + 1;

// How a blow's damage is found: a fixed number, or worked out from the
// knight's record at the moment of the blow.
enum class harm {
    fixed,          // the blow's own damage
    halfhp,         // hp / 2
    strength,       // str + atk
    twicestrength,  // 2 x (str + atk)
    quartermaxhp,   // maxhp / 4
    quarterhp,      // hp / 4
};

// A monster's blow, less its name.
struct blow {
    int damage = 0;
    harm kind = harm::fixed;
    // What the blow does to the monster's own HP: above 0 it heals the
    // monster (and the line shows only that), below 0 the monster hurts
    // itself (shown on a second line under the damage).
    int monsterhp = 0;
    // The knight gets 1 HP that the defense then takes back: the knight
    // loses nothing.
    bool spares = false;
};

// What the knight's defense does against the monster's blows.
enum class guard {
    full,       // damage less defense, at least 1
    half,       // damage less half the (capped) defense
    shownzero,  // not counted; "Defense value: 0"
    ignored,    // not counted; "Defense value: ignored"
};

// What a victory pays besides the closing text.
enum class winnings {
    goldandexp,
    exponly,
    nothing,
};

// The rules a few monsters fight by; every other row keeps the defaults.
struct rules {
    guard defense = guard::full;
    winnings pays = winnings::goldandexp;
    bool canrun = true;      // false: "Can't run!!" and the fight goes on
    bool companions = true;  // false: the companions never strike
    int regenerates = 0;     // HP back after each pass, up to the start HP
};

// A monster's numbers.
struct monsterrow {
    beast id;
    int menu;  // the number that picks it at the monster menu; 0: none
    int starthp;
    int goldbonus;  // gold found = level + this
    int experience;
    blow blows[3];  // for the rolls 1, 2 and 3
    rules special = {};
};

// A '~' in an intro or a closing is a wait for a key at that point.
inline constexpr char keywait = '~';

// A monster's texts.
struct monstertexts {
    beast id;
    std::string_view name;  // as the monster menu lists it
    std::string_view blownames[3];
    std::string_view intro;
    std::string_view closing;
    std::string_view regenline = {};  // before ": +<HP> enemy hp", when it regenerates
};

const monsterrow& numbersof(beast b);
const monstertexts& textsof(beast b);

// Every monster's numbers, in the order of `beast`.
std::span<const monsterrow> bestiary();

}  // namespace emberfell
