// The magic shop's potions, in the order of its menu.

#include "town/potions.h"

namespace emberfell {

// menu line, field, step, cap, then the messages: sold, already at the cap,
// cap reached by this purchase
const potion potions[potioncount] = {
    {"2) Health potion - +100 max HP - 500 gold\n", &vars::maxhp, 100, 10000, "\n+100 max HP!!\n",
     "\n10000 is the max amount of HP!!\n", "You have reached the max amount of HP!!\n"},
    {"3) Magic potion - +50 max MP - 500 gold\n", &vars::maxmp, 50, 5000, "\n+50 max MP!!\n",
     "\n5000 is the max amount of MP!!\n", "You have reached the max amount of MP!!\n"},
    {"4) Strength potion - +10 strength - 500 gold\n", &vars::str, 10, 500, "\n+10 strength!!\n",
     "\n500 is the max amount of strength!!\n", "You have reached the max amount of strength!!\n"},
    {"5) Vitality potion - +10 vitality - 500 gold\n", &vars::vit, 10, 500, "\n+10 vitality!!\n",
     "\n500 is the max amount of vitality!!\n", "You have reached the max amount of vitality!!\n"},
    {"6) Wisdom potion - +10 wisdom - 500 gold\n", &vars::wis, 10, 500, "\n+10 wisdom!!\n",
     "\n500 is the max amount of wisdom!!\n", "You have reached the max amount of wisdom!!\n"},
    {"7) Will potion - +10 will - 500 gold\n", &vars::wil, 10, 500, "\n+10 will!!\n",
     "\n500 is the max amount of will!!\n", "You have reached the max amount of will!!\n"},
};

}  // namespace emberfell
