#pragma once
// The magic shop's potions: each raises one maximum or statistic for good,
// by a fixed step, up to that field's cap.

#include <cstdint>

#include "character/record.h"

namespace emberfell {

inline constexpr std::int32_t potionprice = 500;

struct potion {
    const char* menuline;  // the shop's menu line, printed as it stands
    std::int32_t vars::*field;
    std::int32_t step;
    std::int32_t cap;
    const char* sold;     // the sale
    const char* atcap;    // already at the cap: no sale
    const char* reached;  // this purchase reached the cap
};

// The potions in menu order; the first is choice 2 (choice 1 is a spell).
inline constexpr int firstpotion = 2;
inline constexpr int potioncount = 6;
extern const potion potions[potioncount];

}  // namespace emberfell
