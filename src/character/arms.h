#pragma once
// Weapons and armour by their number in the record: what the character
// sheet names, and what the blacksmith sells (numbers 1 to 10; 0, the
// starting fist and clothes, and 11 are never for sale).

#include <cstdint>

namespace emberfell {

struct arm {
    const char* name;              // as the character sheet names it
    const char* listed = nullptr;  // as the blacksmith lists it, where that differs
    std::int32_t value = 0;        // the attack or defense value it gives
    std::int32_t price = 0;        // in gold; 0: not for sale
};

inline constexpr int armcount = 12;

// clang-format off
// name                     listed          value price
inline constexpr arm weapons[armcount] = {
    {"Fist"},
    {"Knife",              nullptr,         5,   25},
    {"Dagger",             nullptr,        10,  125},
    {"Short Sword",        nullptr,        15,  225},
    {"Long Sword",         nullptr,        20,  325},
    {"Broad Sword",        nullptr,        25,  425},
    {"Two-handed Sword",   nullptr,        30,  525},
    {"Ice Edge",           nullptr,        40, 1000},
    {"Tempest",            nullptr,        50, 1500},
    {"Night Blade",        nullptr,        60, 2500},
    {"Might of Chaos",     nullptr,        75, 5000},
    {"Sword of the Gods"},
};
inline constexpr arm armors[armcount] = {
    {"Clothes"},
    {"Leather",            nullptr,         5,   25},
    {"Studded Leather",    nullptr,        10,  150},
    {"Chain Mail",         nullptr,        15,  275},
    {"Splint Mail",        nullptr,        20,  400},
    {"Breastplate",        "Breast Plate", 25,  525},
    {"Full Plate",         nullptr,        40,  700},
    {"Enchanted Robes",    nullptr,        50,  900},
    {"Demon's Edge",       nullptr,        60, 1500},
    {"Whirlwind",          nullptr,        70, 2500},
    {"Hellforge",          nullptr,        85, 6000},
    {"Armor of the Emberfell"},
};
// clang-format on

}  // namespace emberfell
