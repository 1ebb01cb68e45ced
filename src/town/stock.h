#pragma once
// The blacksmith's stock: ten weapons and ten suits of armour, numbered 1 to
// 20 in the order the player picks them.

#include <cstdint>

#include "character/record.h"

namespace emberfell {

// What an item replaces when it is bought: the heading it is listed under,
// the record's value field (attack or defense) and its number field.
struct itemkind {
    const char* heading;
    std::int32_t vars::*value;
    std::int32_t vars::*number;
};

struct item {
    const char* name;
    const itemkind* kind;
    std::int32_t value;   // attack or defense value
    std::int32_t price;   // in gold
    std::int32_t number;  // the weapon or armour number the character sheet names
};

inline constexpr int stocksize = 20;
extern const item stock[stocksize];

}  // namespace emberfell
