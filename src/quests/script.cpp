#include "quests/script.h"

#include <algorithm>
#include <ostream>

#include "character/title.h"
#include "combat/combat.h"
#include "console/console.h"
#include "console/input.h"
#include "encounters/encounters.h"

namespace emberfell {

namespace {

void fight(vars& v, beast monster, int times) {
    for (int i = 0; i < times; ++i) encounter(monster, v);
}

// The way taken: asked until the answer is one of the ways' numbers.
std::span<const step> fork(const step& s) {
    int way = 0;
    while (way < 1 || way > s.amount) {
        out() << s.text;
        way = readnumber();
        if (way < 1 || way > s.amount) invalid();
    }
    return s.ways[way - 1];
}

// The score is the number of monsters killed in the whole game.
[[noreturn]] void ending(const vars& v) {
    enter(scene::theend);
    title();
    out() << "                              Game Completed!!\n\n"
          << "Score: " << v.kills;
    waitkey();
    end(0);
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
            out() << shownname(v) << s.text;
            break;
        case act::name:
            out() << shownname(v);
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
        case act::fork:
            playsteps(v, fork(s));
            break;
        case act::ending:
            ending(v);
    }
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

}  // namespace

void playsteps(vars& v, std::span<const step> steps) {
    for (const step& s : steps) take(v, s);
}

void takequest(vars& v, const quest& q) {
    playsteps(v, q.steps);
    closing(v, q.reward);
}

std::string_view shownname(const vars& v) {
    const char* last = std::end(v.name);
    return std::string_view(v.name,
                            static_cast<std::size_t>(std::find(v.name, last, '\0') - v.name));
}

}  // namespace emberfell
