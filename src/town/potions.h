#pragma once
// The magic shop's potions: each raises one maximum or statistic for good,
// by a fixed step, up to that field's cap.

#include <cstdint>

#include "character/record.h"

namespace emberfell {

inline constexpr std::int32_t potionprice = 500;

// The menu line reads "2) Health potion - +100 max HP - 500 gold"; the sale
// "+100 max HP!!"; at the cap "10000 is the max amount of HP!!" and "You
// have reached the max amount of HP!!".
struct potion {
    const char* name;    // "Health"
    const char* raises;  // "max HP"
    const char* amount;  // "HP": what there is a max amount of
    std::int32_t vars::*field;
    std::int32_t step;
    std::int32_t cap;
};

// The potions in menu order; the first is choice 2 (choice 1 is a spell).
inline constexpr int firstpotion = 2;
inline constexpr int potioncount = 6;
extern const potion potions[potioncount];

}  // namespace emberfell
