// The outcome test after every blow, and the death screen.

#include <ostream>

#include "character/title.h"
#include "combat/combat.h"
#include "console/console.h"

namespace emberfell {

namespace {

// The death texts, by the roll drawn on the death screen.
constexpr const char* deathtexts[3] = {
    "You feel faint from lack of blood.\n"
    "You can hear your heart thumping slowly.\n"
    "At first, you feel cold all over,\n"
    "then you feel pleasantly warm.\n"
    "Your eylids droop and you fall into nothingness,\n"
    "never to return...\n",

    "Your stomach is sliced open\n"
    "and you are left alone to stare in\n"
    "disbelief as your insides fall out into\n"
    "your hands.\n",

    "That gash on your leg was worse than\n"
    "you thought. Your leg doesn't work very well\n"
    "anymore. You can hear monsters closing\n"
    "in from all sides. You will only be able\n"
    "to hold them off for a while, and then...\n"
    "Best not to dwell on it. You have only minutes,\n"
    "perhaps seconds, before the smell of blood\n"
    "is too much for the monsters to resist...\n",
};

}  // namespace

outcome winlose(int enemyhp, vars& v) {
    if (enemyhp <= 0) {
        statcheck(v);
        out() << "\nEnemy defeated!!\n";
        v.kills = plus(v.kills, 1);
        if (v.hp < 0) v.hp = 1;
        waitkey();
        return outcome::won;
    }
    if (v.hp <= 0) die();
    return outcome::fighting;
}

void die() {
    enter(scene::theend);
    title();
    out() << deathtexts[random() - 1];
    waitkey();
    out() << "\n\n\n\n\n\n\n\n\n\n              Game Over\n\n\n";
    waitkey();
    end(0);
}

}  // namespace emberfell
