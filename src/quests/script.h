#pragma once
// The quests are told as lists of steps: a screen cleared, a text printed, a
// wait for a key, a fight, gold or a potion found, a companion joining, a
// Potion of Recovery drunk. One small routine plays such a list.

#include <cstdint>
#include <span>
#include <string_view>

#include "character/record.h"

namespace emberfell {

// The entry operation of the encounter a quest fights (encounters.h).
using fightroutine = void (*)(vars&);

enum class act {
    clear,    // clear the screen and print the title line
    print,    // print the text
    say,      // the knight's name, then the text (": ..." makes a line of dialogue)
    name,     // the knight's name alone
    wait,     // wait for a key
    fight,    // fight the encounter `amount` times, each a fresh monster
    gold,     // gold found: `amount` more gold
    potion,   // a potion found: `amount` more of the record's `field`
    join,     // companion number `amount` joins the party
    recover,  // a Potion of Recovery: full hit points and magic points
};

struct step {
    act what;
    const char* text = nullptr;
    fightroutine monster = nullptr;
    std::int32_t vars::*field = nullptr;
    int amount = 0;

    constexpr step(act a) : what(a) {}
    constexpr step(act a, const char* t) : what(a), text(t) {}
    constexpr step(act a, fightroutine e, int times) : what(a), monster(e), amount(times) {}
    constexpr step(act a, int n) : what(a), amount(n) {}
    constexpr step(act a, std::int32_t vars::*f, int n) : what(a), field(f), amount(n) {}
};

// Play the steps in order.
void playsteps(vars& v, std::span<const step> steps);

// What a finished quest pays, as listed under "Quest Completed!!": the gold
// found on the way and the gold paid, the experience, and the magic potion of
// the ogre quest (this much more maximum MP; 0 for none).
struct questreward {
    int spoils;
    int reward;
    int exp;
    int maxmp;
};

// The closing screen of quests 1 to 7: pays the reward, puts the next quest
// on the board and gives level advancement its turn.
void closing(vars& v, const questreward& r);

// The knight's name as printed: the text up to its terminator, never past the
// record's field.
std::string_view knightname(const vars& v);

}  // namespace emberfell
