// Level advancement: at most one level per call.

#include <cmath>
#include <ostream>

#include "character/title.h"
#include "combat/combat.h"
#include "console/console.h"
#include "console/input.h"

namespace emberfell {

namespace {

struct statchoice {
    char upper, lower;
    std::int32_t vars::*stat;
    const char* gain;
    const char* atmax;
};

// The stat-point prompt's keys: key, the stat, the gain line, and the line
// for a stat already at its cap.
constexpr statchoice statchoices[] = {
    {'S', 's', &vars::str, "Strength +1\n", "You already have the max amount of strength!!\n"},
    {'V', 'v', &vars::vit, "Vitality +1\n", "You already have the max amount of vitality!!\n"},
    {'I', 'i', &vars::wis, "Wisdom +1\n", "You already have the max amount of wisdom!!\n"},
    {'W', 'w', &vars::wil, "Will +1\n", "You already have the max amount of will!!\n"},
};

const statchoice* choicefor(char key) {
    for (const statchoice& c : statchoices) {
        if (key == c.upper || key == c.lower) return &c;
    }
    return nullptr;
}

void fixedgains(vars& v) {
    const int hpgain = plus(v.level, 10);
    const int mpgain = plus(v.level / 2, 5);
    out() << "HP + " << hpgain << "\n";
    v.maxhp = plus(v.maxhp, hpgain);
    out() << "MP + " << mpgain << "\n";
    v.maxmp = plus(v.maxmp, mpgain);
    out() << "Vitality + 1\n";
    v.vit = plus(v.vit, 1);
    out() << "Strength + 1\n";
    v.str = plus(v.str, 1);
    out() << "Wisdom + 1\n";
    v.wis = plus(v.wis, 1);
    out() << "Will + 1\n";
    v.wil = plus(v.wil, 1);
}

// Three points, placed one at a time; a stat at its cap takes none.
void placepoints(vars& v) {
    int placed = 0;
    while (placed < 3) {
        out() << "(S)trength   (V)itality   W(i)sdom   (W)ill\n"
              << "Add one point to which of the above? ";
        const statchoice* c = choicefor(readanswer());
        if (!c) {
            invalid();
            continue;
        }
        if (v.*c->stat >= statcap) {
            out() << c->atmax;
            waitkey();
            continue;
        }
        out() << c->gain;
        v.*c->stat = plus(v.*c->stat, 1);
        ++placed;
    }
}

void toplevel(vars& v) {
    out() << "Reached max level!!\n";
    v.level = 100;
    out() << "HP and MP bonus: +100\n";
    v.maxhp = plus(v.maxhp, 100);
    v.maxmp = plus(v.maxmp, 100);
    out() << "Strength and Vitality bonus: +2\n";
    v.vit = plus(v.vit, 2);
    v.str = plus(v.str, 2);
    out() << "Wisdom and Will bonus: +2\n";
    v.wis = plus(v.wis, 2);
    v.wil = plus(v.wil, 2);
    v.exp = 0;
    v.expneed = 0;
}

}  // namespace

void lvlup(vars& v) {
    if (v.level > 99 || v.exp < v.expneed) {
        statcheck(v);
        return;
    }
    title();
    out() << "Level up!!!\n\n";
    v.level = plus(v.level, 1);
    fixedgains(v);
    heal(v);
    const std::int64_t statsum = std::int64_t{v.str} + v.vit + v.wis + v.wil;
    if (statsum <= 4 * statcap - 3) placepoints(v);  // room for all three
    if (v.level > 99) {
        toplevel(v);
    } else {
        v.exp = minus(v.exp, v.expneed);
        v.expneed = clamp32(std::pow(static_cast<double>(v.level) + 1, 2));
    }
    waitkey();
    statcheck(v);
}

}  // namespace emberfell
