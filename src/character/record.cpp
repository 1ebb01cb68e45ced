#include "character/record.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace emberfell {

void statcheck(vars& v) {
    if (v.level > 99) {
        v.exp = 0;
        v.expneed = 0;
    }
    if (v.wis > statcap) v.wis = statcap;
    if (v.wil > statcap) v.wil = statcap;
    if (v.hp > v.maxhp) v.hp = v.maxhp;
    if (v.mp > v.maxmp) v.mp = v.maxmp;
    if (v.maxhp > hpcap) v.maxhp = hpcap;
    if (v.maxmp > mpcap) v.maxmp = mpcap;
    if (v.str > statcap) v.str = statcap;
    if (v.vit > statcap) v.vit = statcap;
    if (v.level > 100) v.level = 100;
    if (v.gold > 30000 || v.gold < 0) v.gold = 30000;
}

void heal(vars& v) {
    v.hp = v.maxhp;
    v.mp = v.maxmp;
}

std::int32_t clamp32(std::int64_t n) {
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(n < lo ? lo : n > hi ? hi : n);
}

std::int32_t clamp32(double d) {
    if (std::isnan(d)) return 0;
    if (d <= std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    if (d >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(d);
}

void setname(vars& v, const char* name) {
    std::strncpy(v.name, name, sizeof v.name - 1);
    v.name[sizeof v.name - 1] = '\0';
}

}  // namespace emberfell
