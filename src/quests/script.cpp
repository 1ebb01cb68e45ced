#include "quests/script.h"

#include <algorithm>
#include <ostream>

#include "character/title.h"
#include "combat/combat.h"
#include "console/console.h"

namespace emberfell {

namespace {

void fight(vars& v, fightroutine monster, int times) {
    for (int i = 0; i < times; ++i) monster(v);
}

void take(vars& v, const step& s) {
    switch (s.what) {
        case act::clear:
            enter(scene::quest);
            title();
            break;
        case act::print:
            out() << s.text;
            break;
        case act::say:
            out() << knightname(v) << s.text;
            break;
        case act::name:
            out() << knightname(v);
            break;
        case act::wait:
            waitkey();
            break;
        case act::fight:
            fight(v, s.monster, s.amount);
            break;
        case act::gold:
            v.gold = plus(v.gold, s.amount);
            break;
        case act::potion:
            v.*s.field = plus(v.*s.field, s.amount);
            break;
        case act::join:
            v.party[s.amount] = 1;
            break;
        case act::recover:
            heal(v);
            break;
    }
}

}  // namespace

void playsteps(vars& v, std::span<const step> steps) {
    for (const step& s : steps) take(v, s);
}

void closing(vars& v, const questreward& r) {
    title();
    out() << "Quest Completed!!\n"
          << "Spoils: " << r.spoils << " Gold\n"
          << "Reward: " << r.reward << " Gold\n";
    if (r.maxmp != 0) out() << "        Magic potion\n";
    out() << "Experience: " << r.exp << "\n";
    v.gold = plus(v.gold, plus(r.spoils, r.reward));
    v.exp = plus(v.exp, r.exp);
    v.maxmp = plus(v.maxmp, r.maxmp);
    v.quest = plus(v.quest, 1);
    waitkey();
    lvlup(v);
}

std::string_view knightname(const vars& v) {
    const char* last = std::end(v.name);
    return std::string_view(v.name,
                            static_cast<std::size_t>(std::find(v.name, last, '\0') - v.name));
}

}  // namespace emberfell
