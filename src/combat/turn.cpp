// The player's turn in a fight, and the calculations the fights share.

#include <cstdlib>
#include <ostream>
#include <string>

#include "character/spellbook.h"
#include "character/title.h"
#include "character/yes.h"
#include "combat/combat.h"
#include "console/console.h"
#include "console/input.h"

namespace emberfell {

int random() {
    std::srand(static_cast<unsigned>(now()));
    return std::rand() % 3 + 1;
}

int attack(vars v) {
    return times(plus(v.str, v.atk), 2);
}

int defense(vars v) {
    return plus(v.vit, v.def);
}

void hpdisp(vars v) {
    out() << "HP: " << v.hp << "/" << v.maxhp << "\n"
          << "MP: " << v.mp << "/" << v.maxmp << "\n";
}

double wisdom(vars v) {
    return 100.0 / v.wis;
}

double willpower(vars v) {
    return v.wil / 750.0 + 1.0;
}

namespace {

void strike(int& enemyhp, vars& v) {
    const int roll = random();
    int damage = attack(v);
    if (roll == 3) damage = plus(damage, times(v.level, 2));
    enemyhp = minus(enemyhp, damage);
    out() << "You attack\n"
          << " Slash: -" << damage << " enemy HP\n";
}

// "3) Fireball ----------- ": the number and the name, dashes to a fixed
// width.
std::string listline(int number) {
    std::string line = std::to_string(number) + ") " + spellbook[number - 1].name + " ";
    line.resize(23, '-');
    return line + " ";
}

void listspells(const vars& v, double costfactor) {
    for (int n = v.spells; n >= 1; --n) {
        out() << listline(n) << clamp32(spellbook[n - 1].costbase * costfactor) << " MP\n";
    }
    out() << "0) Don't cast anything\n? ";
}

void spelleffects(int& enemyhp, vars& v, int number, double powerfactor) {
    const spell& s = spellbook[number - 1];
    switch (s.effect) {
        case spelleffect::damage: {
            const double d = s.powerbase * powerfactor;
            out() << " " << s.name << ": -" << clamp32(d) << " enemy HP\n";
            enemyhp = clamp32(enemyhp - d);
            break;
        }
        case spelleffect::cure: {
            const double h = (3.0 * v.level + 200) * powerfactor;
            out() << " Cure: +" << clamp32(h) << " HP\n";
            v.hp = clamp32(v.hp + h);
            if (v.hp > v.maxhp) v.hp = v.maxhp;
            break;
        }
        case spelleffect::life:
            out() << " Life: +" << minus(v.maxhp, v.hp) << " HP\n";
            v.hp = v.maxhp;
            break;
    }
}

// True when a spell was cast; false brings the menu back.
bool cast(int& enemyhp, vars& v) {
    out() << "Spells:\n";
    const double costfactor = wisdom(v);
    const double powerfactor = willpower(v);
    if (v.spells < 1 || v.spells > spellcount) {
        out() << "  none\n";
        waitkey();
        return false;
    }
    listspells(v, costfactor);
    const int number = readnumber();
    if (number <= 0 || number > v.spells) return false;
    out() << "You attack\n";
    const double cost = spellbook[number - 1].costbase * costfactor;
    if (cost > v.mp) {
        out() << "\nnot enough MP!!\n";
        waitkey();
        return false;
    }
    spelleffects(enemyhp, v, number, powerfactor);
    v.mp = clamp32(v.mp - cost);
    return true;
}

// True when the player paid and ran; false brings the menu back.
bool flee(vars& v, outcome& result) {
    title();
    const int price = times(v.level, 2);
    out() << "You will have to leave " << price << " gold behind to distract the monsters.\n"
          << "Are you going to run away?\n? ";
    if (!readyes()) return false;
    if (v.gold < price) {
        out() << "\nnot enough money!!\n";
        waitkey();
        return false;
    }
    v.gold = minus(v.gold, price);
    out() << "You ran away!!\n";
    waitkey();
    result = outcome::fled;
    return true;
}

}  // namespace

void battle(int& enemyhp, vars& v, outcome& result) {
    bool acted = false;
    enter(scene::fight);
    while (!acted) {
        title();
        hpdisp(v);
        out() << "1) Attack\n2) Magic\n3) Run\n? ";
        switch (readnumber()) {
            case 1:
                strike(enemyhp, v);
                acted = true;
                break;
            case 2:
                acted = cast(enemyhp, v);
                break;
            case 3:
                acted = flee(v, result);
                break;
            default:
                invalid();
                break;
        }
    }
    if (result == outcome::fled) return;
    result = winlose(enemyhp, v);
}

}  // namespace emberfell
