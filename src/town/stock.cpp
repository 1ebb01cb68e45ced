// The blacksmith's price list, row by row as it is shown.

#include "town/stock.h"

namespace emberfell {

namespace {

constexpr itemkind weapon = {"#   Weapon               Attack Value      Cost\n", &vars::atk,
                             &vars::weapon};
constexpr itemkind armor = {"#   Armor                Defense Value     Cost\n", &vars::def,
                            &vars::armor};

}  // namespace

// list line, kind, value, price, weapon or armour number
const item stock[stocksize] = {
    {"1)  Knife -------------- 5 --------------- 25\n", &weapon, 5, 25, 1},
    {"2)  Dagger ------------- 10 -------------- 125\n", &weapon, 10, 125, 2},
    {"3)  Short Sword -------- 15 -------------- 225\n", &weapon, 15, 225, 3},
    {"4)  Long Sword --------- 20 -------------- 325\n", &weapon, 20, 325, 4},
    {"5)  Broad Sword -------- 25 -------------- 425\n", &weapon, 25, 425, 5},
    {"6)  Two-handed Sword --- 30 -------------- 525\n", &weapon, 30, 525, 6},
    {"7)  Ice Edge ----------- 40 -------------- 1000\n", &weapon, 40, 1000, 7},
    {"8)  Tempest ------------ 50 -------------- 1500\n", &weapon, 50, 1500, 8},
    {"9)  Night Blade -------- 60 -------------- 2500\n", &weapon, 60, 2500, 9},
    {"10) Might of Chaos ----- 75 -------------- 5000\n", &weapon, 75, 5000, 10},
    {"11) Leather ------------ 5 --------------- 25\n", &armor, 5, 25, 1},
    {"12) Studded Leather ---- 10 -------------- 150\n", &armor, 10, 150, 2},
    {"13) Chain Mail --------- 15 -------------- 275\n", &armor, 15, 275, 3},
    {"14) Splint Mail -------- 20 -------------- 400\n", &armor, 20, 400, 4},
    {"15) Breast Plate ------- 25 -------------- 525\n", &armor, 25, 525, 5},
    {"16) Full Plate --------- 40 -------------- 700\n", &armor, 40, 700, 6},
    {"17) Enchanted Robes ---- 50 -------------- 900\n", &armor, 50, 900, 7},
    {"18) Demon's Edge ------- 60 -------------- 1500\n", &armor, 60, 1500, 8},
    {"19) Whirlwind ---------- 70 -------------- 2500\n", &armor, 70, 2500, 9},
    {"20) Hellforge ---------- 85 -------------- 6000\n", &armor, 85, 6000, 10},
};

}  // namespace emberfell
