// The character sheet's three pages.

#include "character/sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "character/record.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

const std::string header =
    "                             Emberfell\n\n"
    "******************************** Stats *****************************************\n";

std::vector<std::string> pages(const vars& v) {
    Session s;
    std::vector<std::string> shown = screens(s.run([&] { stats(v); }));
    EXPECT_EQ(s.con.keys(), 3);
    return shown;
}

TEST(CharacterSheet, NewKnight) {
    vars v;
    setname(v, "Ayla");
    const std::vector<std::string> shown = pages(v);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], header + R"(Name: Ayla
Level: 1
HP: 10/10
MP: 5/5
Strength: 1
Vitality: 1
Wisdom: 1
Will: 1
Weapon: Fist
Attack value: 1
Armor: Clothes
Defense value: 1
Experience: 0
Experience Needed: 4
Gold: 0
Monsters Killed: 0
[key])");
    EXPECT_EQ(shown[1], header + "Group members:\n  none\n[key]");
    EXPECT_EQ(shown[2], header + "Spells Owned:\n  none\n[key]");
}

TEST(CharacterSheet, SpellsNewestFirst) {
    vars v;
    v.spells = 4;
    EXPECT_EQ(pages(v)[2],
              header + "Spells Owned:\n* Earthquake\n* Fireball\n* Water Blast\n* Cure\n[key]");
    v.spells = 12;
    EXPECT_EQ(pages(v)[2], header + R"(Spells Owned:
* Super Nova
* Apocalypse
* Life
* Lightning Storm
* Avalanche
* Melt
* Freeze
* Tornado
* Earthquake
* Fireball
* Water Blast
* Cure
[key])");
    for (int outside : {13, -1, 0}) {
        v.spells = outside;
        EXPECT_EQ(pages(v)[2], header + "Spells Owned:\n  none\n[key]") << outside;
    }
}

TEST(CharacterSheet, CompanionsInFlagOrderOnlyWhenExactlyOne) {
    vars v;
    v.party[thatch] = 1;
    v.party[elenium] = 1;
    v.party[duran] = 2;
    EXPECT_EQ(pages(v)[1], header + "Group members:\n* Elenium\n* Thatch\n[key]");
    vars lone;
    lone.party[garath] = 2;
    EXPECT_EQ(pages(lone)[1], header + "Group members:\n  none\n[key]");
    vars all;
    for (std::int32_t& flag : all.party) flag = 1;
    EXPECT_EQ(pages(all)[1], header + R"(Group members:
* Elenium
* Drizzt Do'Urden
* Elminster
* Richard Rahl
* Belgarion
* Elbryan
* Thatch
* Duran
* Garath
[key])");
}

TEST(CharacterSheet, ItemNamesAndTheirFallbacks) {
    struct Case {
        int weapon, armor;
        const char *weaponname, *armorname;
    };
    for (const Case& c :
         {Case{11, 11, "Sword of the Gods", "Armor of the Emberfell"},
          Case{12, -1, "Fist", "Clothes"}, Case{-1, 12, "Fist", "Clothes"},
          Case{5, 5, "Broad Sword", "Breastplate"}, Case{10, 10, "Might of Chaos", "Hellforge"}}) {
        vars v;
        v.weapon = c.weapon;
        v.armor = c.armor;
        const std::string page = pages(v)[0];
        EXPECT_NE(page.find(std::string("\nWeapon: ") + c.weaponname + "\nAttack value: 1\n"),
                  std::string::npos)
            << c.weapon;
        EXPECT_NE(page.find(std::string("\nArmor: ") + c.armorname + "\nDefense value: 1\n"),
                  std::string::npos)
            << c.armor;
    }
}

}  // namespace
}  // namespace emberfell::testing
