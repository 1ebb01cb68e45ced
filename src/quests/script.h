#pragma once
// A quest is a row: its notice on the board, its story as a list of steps (a
// screen cleared, a text printed, a wait for a key, a fight, gold or a potion
// found, a companion joining, a Potion of Recovery drunk, a fork in the way,
// the ending), and what its closing screen pays. One small routine plays such
// a list.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "character/record.h"
#include "encounters/bestiary.h"

namespace emberfell {

enum class act {
    clear,    // clear the screen and print the title line
    print,    // print the text
    say,      // the knight's name, then the text (": ..." makes a line of dialogue)
    name,     // the knight's name alone
    wait,     // wait for a key
    fight,    // fight the monster `amount` times, each a fresh one
    gold,     // gold found: `amount` more gold
    potion,   // a potion found: `amount` more of the record's `field`
    join,     // companion number `amount` joins the party
    recover,  // a Potion of Recovery: full hit points and magic points
    fork,     // ask the text until the answer is a way's number, then go that way
    ending,   // the score screen, and the game is over
};

struct step {
    act what;
    const char* text = nullptr;
    beast monster = {};
    std::int32_t vars::*field = nullptr;
    int amount = 0;
    const std::span<const step>* ways = nullptr;  // `amount` of them, for the answers 1, 2, ...

    constexpr step(act a) : what(a) {}
    constexpr step(act a, const char* t) : what(a), text(t) {}
    constexpr step(act a, beast b, int times) : what(a), monster(b), amount(times) {}
    constexpr step(act a, int n) : what(a), amount(n) {}
    constexpr step(act a, std::int32_t vars::*f, int n) : what(a), field(f), amount(n) {}
    template <std::size_t n>
    constexpr step(act a, const char* question, const std::span<const step> (&w)[n])
        : what(a), text(question), amount(static_cast<int>(n)), ways(w) {}
};

// What a finished quest pays, as listed under "Quest Completed!!": the gold
// found on the way and the gold paid, the experience, and the magic potion of
// the ogre quest (this much more maximum MP; 0 for none).
struct questreward {
    int spoils;
    int reward;
    int exp;
    int maxmp;
};

struct quest {
    const char* notice;  // heading, reward lines, "Info:" and the info lines
    std::span<const step> steps;
    questreward reward;  // the last quest has none: its story ends the game
};

// The quests, in the order the board offers them (scripts.cpp, dragonking.cpp).
extern const quest goblinden, animaltrouble, ogreforest, centaurraiding, harpies, corruption,
    demontrace, dragonking;

// Quest n of the board is element n - 1.
std::span<const quest* const> questbook();

// Play the steps in order.
void playsteps(vars& v, std::span<const step> steps);

// A quest taken: its story, then the closing screen, which pays the reward,
// puts the next quest on the board and gives level advancement its turn.
void takequest(vars& v, const quest& q);

// The knight's name as printed: the text up to its terminator, never past the
// record's field.
std::string_view shownname(const vars& v);

}  // namespace emberfell
