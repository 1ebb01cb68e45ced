// The player's turn: the spells and their costs, flight, answers that are no choice.

#include <gtest/gtest.h>

#include <string>

#include "character/record.h"
#include "combat/combat.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

std::string turnscreen(const vars& v) {
    return titleline + "HP: " + std::to_string(v.hp) + "/" + std::to_string(v.maxhp) +
           "\nMP: " + std::to_string(v.mp) + "/" + std::to_string(v.maxmp) +
           "\n1) Attack\n2) Magic\n3) Run\n? ";
}

// One turn against a monster with `enemyhp`, with these typed lines and rolls.
struct Fight {
    int enemyhp;
    outcome result = outcome::fighting;
    std::string turn(vars& v, const std::string& typed, std::initializer_list<int> rolls = {}) {
        return visit([&](vars& w) { battle(enemyhp, w, result); }, v, typed, rolls);
    }
};

TEST(Magic, TheWholeListAtBaseCostAndEachSpellsDamage) {
    // Wisdom 100 and will 0: every spell at its base cost and power.
    vars v{.maxmp = 5000, .mp = 5000, .spells = 12, .wis = 100, .wil = 0};
    Fight f{100000};
    const std::string list = f.turn(v, "2\n0\n1\n");
    const std::size_t at = list.find("Spells:");
    const std::string spells = list.substr(at, list.find("? ", at) + 2 - at);
    EXPECT_EQ(fingerprint(spells), 8819227803022927914u) << spells;
    int n = 1;  // each spell but Cure, in turn
    for (std::string hit :
         {"Water Blast: -200", "Fireball: -400", "Earthquake: -600", "Tornado: -800",
          "Freeze: -1000", "Melt: -1200", "Avalanche: -1400", "Lightning Storm: -1600",
          "Life: +0 HP", "Apocalypse: -2500", "Super Nova: -5000"}) {
        v.mp = 5000;
        if (hit.back() != 'P') hit += " enemy HP";
        const std::string shown = f.turn(v, "2\n" + std::to_string(++n) + "\n");
        EXPECT_NE(shown.find("\n " + hit + "\n"), std::string::npos) << hit;
    }
}

TEST(Magic, CostsByWisdomAndCureIsNotRoundedDown) {
    // Wisdom 3: Cure costs 3333.33 MP, listed as 3333, but 3333 MP is short.
    vars v{.maxmp = 5000, .hp = 1, .mp = 3333, .spells = 1, .wis = 3};
    const std::string cure = "Spells:\n1) Cure --------------- 3333 MP\n0) Don't cast anything\n? ";
    Fight f{100};
    EXPECT_EQ(f.turn(v, "2\n1\n1\n", {2}), turnscreen(v) + cure +
                                               "You attack\n\nnot enough MP!!\n[key]" +
                                               turnscreen(v) + "You attack\n Slash: -4 enemy HP\n");
    v.mp = 3334;
    const std::string before = turnscreen(v) + cure;  // the screen before the cast
    EXPECT_EQ(f.turn(v, "2\n1\n"), before + "You attack\n Cure: +203 HP\n");
    EXPECT_EQ(v.mp, 0);
    EXPECT_EQ(v.hp, 10);
}

TEST(Run, PriceIsTwiceTheLevelAndOtherAnswersAskAgain) {
    vars v{.gold = 9, .level = 5};
    const std::string ask = titleline +
                            "You will have to leave 10 gold behind to distract the monsters.\n"
                            "Are you going to run away?\n? ";
    // Short of money, then declined, then a number that is no choice: the
    // menu comes back each time until the attack.
    Fight f{100};
    EXPECT_EQ(f.turn(v, "3\ny\n3\nn\n7\n1\n", {1}),
              turnscreen(v) + ask + "\nnot enough money!!\n[key]" + turnscreen(v) + ask +
                  turnscreen(v) + turnscreen(v) + "You attack\n Slash: -4 enemy HP\n");
    EXPECT_EQ(v.gold, 9);
    // A paid flight skips the outcome test: a monster at 0 is not defeated.
    v.gold = 10;
    Fight g{0};
    EXPECT_EQ(g.turn(v, "3\nY\n"), turnscreen(v) + ask + "You ran away!!\n[key]");
    EXPECT_EQ(v.gold, 0);
    EXPECT_EQ(g.result, outcome::fled);
}

}  // namespace
}  // namespace emberfell::testing
