// The monster menu, the bestiary as it has always been and each monster
// fought by its row (start HP, gold bonus, experience and blows, seen in
// short fights), and whole fights: a plain monster, the monsters with rules
// of their own and edited saves. Draws of the dice, in order: the player's
// attack, the monster's blow, one per joined companion, one at death.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>

#include "character/record.h"
#include "combat/combat.h"
#include "encounters/encounters.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

// A knight whose weapon adds nothing, far from the next level.
vars knight(int str, int hp) {
    return {.maxhp = hp, .str = str, .atk = 0, .expneed = 1 << 30, .hp = hp};
}

auto fighting(beast b) {
    return [b](vars& v) { encounter(b, v); };
}

// Every one of these lines is in the transcript, in this order.
void expectlines(const std::string& shown, std::initializer_list<std::string> lines) {
    std::size_t at = 0;
    for (const std::string& line : lines) {
        at = shown.find(line, at);
        ASSERT_NE(at, std::string::npos) << line << "\nin:\n" << shown;
    }
}

TEST(MonsterMenu, ListedUnlistedAndANumberThatNamesNothing) {
    vars v;
    const std::string menu = visit(monster, v, "31\n");
    EXPECT_EQ(fingerprint(menu), 355214895813047725u) << menu;
    const std::pair<const char*, std::string> chosen[] = {
        {"5\n", "You found a goblin\n[key]"},
        {"619\n", "You see something poke its head out of a hole in the trunk of a tree\n"},
        {"894\n", "You see a shiny speck in the sky\n"},
        {"3692\n", "A shadow slides across the ground towards you\n"},
        {"35420\n", "The air seems to move. Two burning red eyes open and glare at you.\n"},
        {"91890\n", "You see a strange face etched into a rock. As you come closer"}};
    for (const auto& [typed, intro] : chosen) {
        const std::string shown = visit(monster, v, typed);
        EXPECT_EQ(shown.substr(0, menu.size() + titleline.size() + intro.size()),
                  menu + titleline + intro);
    }
}

// The bestiary's numbers and texts, a monster a line.
std::string bestiarytext() {
    std::ostringstream text;
    for (const monsterrow& r : bestiary()) {
        const rules& s = r.special;
        text << static_cast<int>(r.id) << ' ' << r.menu << ' ' << r.starthp << ' ' << r.goldbonus
             << ' ' << r.experience << ' ' << static_cast<int>(s.defense) << ' '
             << static_cast<int>(s.pays) << ' ' << s.canrun << s.companions << ' ' << s.regenerates;
        for (const blow& b : r.blows)
            text << " (" << b.damage << ' ' << static_cast<int>(b.kind) << ' ' << b.monsterhp << ' '
                 << b.spares << ')';
        const monstertexts& t = textsof(r.id);
        text << '|' << t.name << '|' << t.blownames[0] << '|' << t.blownames[1] << '|'
             << t.blownames[2] << '|' << t.intro << '|' << t.closing << '|' << t.regenline << '\n';
    }
    return text.str();
}

TEST(Bestiary, EveryMonsterAsItHasAlwaysBeen) {
    EXPECT_EQ(fingerprint(bestiarytext()), 4689043546782033225u) << bestiarytext();
}

// Every monster fights by its row: a blow of exactly the start HP (one more
// where that is odd) wins and pays; one of two less does not win; a knight
// who does no harm and has no defense loses the three blows in turn.
TEST(Bestiary, EveryMonsterFightsByItsRow) {
    for (const monsterrow& r : bestiary()) {
        if (r.special.pays != winnings::goldandexp) continue;  // the King of Dragons: below
        const int hit = r.starthp + r.starthp % 2;
        const int lots = 1 << 30;
        vars v{.str = hit / 2, .atk = 0, .expneed = lots};
        const std::string won = visit(fighting(r.id), v, "1\n", {1});
        EXPECT_NE(won.find("\nFound " + std::to_string(1 + r.goldbonus) + " gold\nGained " +
                           std::to_string(r.experience) + " experience\n"),
                  std::string::npos)
            << won;
        vars w{.maxhp = lots, .str = hit / 2 - 1, .atk = 0, .expneed = lots, .hp = lots};
        EXPECT_EQ(visit(fighting(r.id), w, "1\n", {1, 1}).find("Enemy defeated"), std::string::npos)
            << r.starthp;
        const auto plain = [](const blow& b) {
            return b.kind == harm::fixed && b.monsterhp == 0 && !b.spares;
        };
        if (!std::ranges::all_of(r.blows, plain)) continue;  // special blows: below
        vars u{.maxhp = lots, .str = 0, .vit = 0, .atk = 0, .def = 0, .expneed = lots, .hp = lots};
        visit(fighting(r.id), u, "1\n1\n1\n", {1, 1, 1, 2, 1, 3});
        EXPECT_EQ(lots - u.hp, r.blows[0].damage + r.blows[1].damage + r.blows[2].damage)
            << r.starthp;
    }
}

TEST(Encounter, GoblinWholeFight) {
    vars v{.maxhp = 100, .str = 17, .atk = 0, .level = 4, .expneed = 25, .hp = 100};  // 34 a blow
    const auto shown = screens(visit(fighting(beast::goblin), v, "1\n1\n", {1, 2, 1}));
    const std::string title = titleline.substr(7);
    const std::string menu = "1) Attack\n2) Magic\n3) Run\n? You attack\n Slash: -34 enemy HP\n";
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0], title + "You found a goblin\n[key]");
    EXPECT_EQ(shown[1], title + "HP: 100/100\nMP: 5/5\n" + menu +
                            "\nEnemy attacks\n Slash: -10 HP\nDefense value: 2\n\n[key]");
    EXPECT_EQ(shown[2], title + "HP: 92/100\nMP: 5/5\n" + menu + "\nEnemy defeated!!\n[key]\n\n");
    EXPECT_EQ(shown[3], title + R"(
You stab the goblin through the heart

Found 8 gold
Gained 6 experience
[key])");
}

TEST(SpecialEncounters, GenieIgnoresDefenseAndEarthElementalMeetsHalfOfIt) {
    vars v{.maxhp = 200, .str = 10, .vit = 400, .atk = 5, .def = 400, .hp = 101};  // 30 a blow
    expectlines(visit(fighting(beast::genie), v, "1\n1\n1\n", {1, 1, 1, 2, 1, 3}),
                {" HP Drop: -50 HP\nDefense value: 0\n", " Copy: -15 HP\nDefense value: 0\n",
                 " Reflect: -30 HP\nDefense value: 0\n"});
    EXPECT_EQ(v.hp, 6);
    vars e{.maxhp = 2000, .str = 0, .vit = 500, .atk = 0, .def = 500, .hp = 2000};
    expectlines(visit(fighting(beast::earthele), e, "1\n", {1, 1}),
                {" Bash: -250 HP\nDefense value: 1000\n"});
    EXPECT_EQ(e.hp, 1874);  // it meets half the defense
}

TEST(SpecialEncounters, WizardGiantTrollBasiliskAndSmileyFace) {
    vars v = knight(0, 1000);
    expectlines(visit(fighting(beast::wizard), v, "1\n", {1, 1}), {" Cure: +300 enemy HP\n"});
    EXPECT_EQ(v.hp, 1000);

    vars g = knight(475, 1000);  // 950 a blow: the giant is left at 400
    expectlines(visit(fighting(beast::giant), g, "1\n1\n", {1, 1, 1, 2}),
                {" Confusion: -1500 HP\n            -500 enemy HP\n", "Enemy defeated!!",
                 "Found 26 gold\nGained 200 experience\n"});
    EXPECT_EQ(g.hp, 1);  // the same blow felled the knight, but the giant fell first

    vars t = knight(50, 5000);  // 100 a blow, 2200 on a roll of 3 at level 1050
    t.level = 1050;
    const std::string regen = "The troll's skin regenerates: +250 enemy hp\n";
    expectlines(
        visit(fighting(beast::troll), t, "1\n1\n1\n", {1, 2, 1, 1, 3}),
        {" Confused Swing: -1500 HP\n                 -250 enemy HP\n", regen, "HP: 3502/5000",
         regen, " Slash: -2200 enemy HP\n\nEnemy defeated!!", "Found 125 gold\n"});
    vars b = knight(0, 1000);
    expectlines(visit(fighting(beast::basilisk), b, "1\n1\n", {1, 2, 1, 3}),
                {" Glare: -250 HP\n", "HP: 752/1000", " Glare: -250 HP\n"});
    vars f = knight(0, 1000);
    expectlines(visit(fighting(beast::face), f, "1\n1\n", {1, 3, 1, 3}),
                {"It's a...smiley face!?!\n[key]", " Evil Grin: -250 HP\n", "HP: 752/1000",
                 " Evil Grin: -188 HP\n"});
}

TEST(SpecialEncounters, KingOfDragonsRefusesFlightInBothFights) {
    const std::string refused =
        "You will have to leave 200 gold behind to distract the monsters.\nAre you going to run "
        "away?\n? You ran away!!\n[key]\nCan't run!!\n\nEnemy attacks\n";
    vars v = knight(15000, 10000);
    v.gold = 1000;
    v.level = 100;
    v.expneed = 0;
    vars w = v;
    w.str = 5500;
    w.def = 5000;
    for (int& joined : w.party) joined = 1;  // they never strike here
    expectlines(visit(fighting(beast::kingdrag1), v, "3\ny\n1\n", {1, 1}),
                {refused + " Claw Combo: -3000 HP\nDefense value: 2\n",
                 "\nThe dragon king stumbles\n\nGained 5000 experience\n[key]"});
    EXPECT_EQ(v.gold, 800);
    expectlines(visit(fighting(beast::kingdrag2), w, "3\ny\n1\n1\n", {3, 1, 1, 1}),
                {refused + " Drink From Healing Spring: +2000 enemy HP\nDefense value: ignored\n",
                 " Claw Combo: -3000 HP\nDefense value: ignored\n",
                 "\nThe dragon king lets out one last roar and dies\n[key]"});
    EXPECT_EQ(w.gold, 800);
    EXPECT_EQ(w.exp, 0);
}

TEST(EditedSaves, HugeValuesSaturate) {
    vars v = knight(INT_MAX, INT_MAX);
    v.atk = v.level = v.vit = v.def = INT_MAX;
    v.gold = v.exp = v.expneed = v.kills = INT_MAX;
    visit(fighting(beast::genie), v, "1\nv\nv\nv\n", {1});  // the blow saturates and kills at once
    EXPECT_EQ(v.kills, INT_MAX);
    EXPECT_EQ(v.gold, 30000);  // held at the top, then trimmed by the limits
    EXPECT_EQ(v.exp, 0);       // INT_MAX + 75 held at INT_MAX, spent on the level
    vars w = knight(INT_MIN, INT_MAX);
    w.atk = w.wis = w.vit = w.level = INT_MIN;
    w.spells = 12;
    int enemyhp = INT_MIN + 5;
    outcome result = outcome::fighting;
    Session s("2\n12\n3\ny\n");
    s.run([&] { battle(enemyhp, w, result); });  // negative wisdom: spells are free
    EXPECT_EQ(enemyhp, INT_MIN);
    s.run([&] { battle(enemyhp, w, result); });  // flight priced at -2 x INT_MIN
    EXPECT_EQ(result, outcome::fled);
}

}  // namespace
}  // namespace emberfell::testing
