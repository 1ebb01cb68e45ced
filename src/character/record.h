#pragma once
// The character record: everything the game knows about the knight.

#include <cstdint>

namespace emberfell {

// The nine companions, by their place in `party`.
enum companion : int {
    elenium,
    drizzt,
    elminster,
    richard,
    belgarion,
    elbryan,
    thatch,
    duran,
    garath,
};
inline constexpr int companioncount = garath + 1;

struct vars {
    std::int32_t maxhp = 10;
    std::int32_t str = 1;
    std::int32_t vit = 1;
    std::int32_t atk = 1;  // the wielded weapon's attack value
    std::int32_t def = 1;  // the worn armour's defense value
    std::int32_t gold = 0;
    std::int32_t level = 1;
    std::int32_t exp = 0;
    std::int32_t expneed = 4;
    std::int32_t maxmp = 5;
    std::int32_t kills = 0;
    std::int32_t quest = 1;  // the quest the board offers next
    std::int32_t hp = 10;
    std::int32_t mp = 5;
    std::int32_t spells = 0;  // the first `spells` of the spell sequence are owned
    std::int32_t weapon = 0;
    std::int32_t armor = 0;
    std::int32_t wis = 1;
    std::int32_t wil = 1;
    char name[26] = {};
    std::int32_t party[companioncount] = {};  // 1 = that companion has joined
};

// The caps on the maxima and on the four attributes: statcheck keeps the
// record within them, the potions and level advancement stop at them.
inline constexpr std::int32_t hpcap = 10000;
inline constexpr std::int32_t mpcap = 5000;
inline constexpr std::int32_t statcap = 500;

// Bring the record back within the game's limits.
void statcheck(vars& v);

// Full hit points and magic points; nothing else (the inn, level advancement,
// the final quest's Potions of Recovery).
void heal(vars& v);

// Record arithmetic that saturates at the ends of the 32-bit range instead of
// overflowing: an edited save file can put any value in any field.
std::int32_t clamp32(std::int64_t n);
std::int32_t clamp32(double d);  // truncated toward zero; NaN gives 0
inline std::int32_t plus(std::int32_t a, std::int64_t b) {
    return clamp32(std::int64_t{a} + b);
}
inline std::int32_t minus(std::int32_t a, std::int64_t b) {
    return clamp32(std::int64_t{a} - b);
}
inline std::int32_t times(std::int32_t a, std::int64_t b) {
    return clamp32(std::int64_t{a} * b);
}

// Set the knight's name (at most 25 characters are kept).
void setname(vars& v, const char* name);

}  // namespace emberfell
