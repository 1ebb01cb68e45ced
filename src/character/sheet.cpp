#include "character/sheet.h"

#include <ostream>

#include "character/arms.h"
#include "character/party.h"
#include "character/spellbook.h"
#include "character/title.h"
#include "console/console.h"

namespace emberfell {

namespace {

// An item's name by its number; 0 and anything outside 1..11 is the fallback.
const char* itemname(const arm (&arms)[armcount], std::int32_t number) {
    return arms[number >= 1 && number < armcount ? number : 0].name;
}

void header() {
    title();
    out() << "******************************** Stats *****************************************\n";
}

void numbers(const vars& v) {
    header();
    out() << "Name: " << v.name << "\n"
          << "Level: " << v.level << "\n"
          << "HP: " << v.hp << "/" << v.maxhp << "\n"
          << "MP: " << v.mp << "/" << v.maxmp << "\n"
          << "Strength: " << v.str << "\n"
          << "Vitality: " << v.vit << "\n"
          << "Wisdom: " << v.wis << "\n"
          << "Will: " << v.wil << "\n"
          << "Weapon: " << itemname(weapons, v.weapon) << "\n"
          << "Attack value: " << v.atk << "\n"
          << "Armor: " << itemname(armors, v.armor) << "\n"
          << "Defense value: " << v.def << "\n"
          << "Experience: " << v.exp << "\n"
          << "Experience Needed: " << v.expneed << "\n"
          << "Gold: " << v.gold << "\n"
          << "Monsters Killed: " << v.kills << "\n";
    waitkey();
}

void groupmembers(const vars& v) {
    header();
    out() << "Group members:\n";
    bool anyone = false;
    for (const companionrow& c : companions) {
        if (v.party[c.id] != 1) continue;
        out() << "* " << c.name << "\n";
        anyone = true;
    }
    if (!anyone) out() << "  none\n";
    waitkey();
}

void spellsowned(const vars& v) {
    header();
    out() << "Spells Owned:\n";
    if (v.spells >= 1 && v.spells <= spellcount) {
        for (int n = v.spells; n >= 1; --n) out() << "* " << spellbook[n - 1].name << "\n";
    } else {
        out() << "  none\n";
    }
    waitkey();
}

}  // namespace

void stats(vars v) {
    enter(scene::sheet);
    numbers(v);
    groupmembers(v);
    spellsowned(v);
}

}  // namespace emberfell
