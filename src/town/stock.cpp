// The blacksmith's price list, row by row as it is shown.

#include "town/stock.h"

namespace emberfell {

namespace {

constexpr itemkind weapon = {"#   Weapon               Attack Value      Cost\n", &vars::atk,
                             &vars::weapon};
constexpr itemkind armor = {"#   Armor                Defense Value     Cost\n", &vars::def,
                            &vars::armor};

}  // namespace

// clang-format off
// name             kind     value price number
const item stock[stocksize] = {
    {"Knife",            &weapon,  5,   25,  1},
    {"Dagger",           &weapon, 10,  125,  2},
    {"Short Sword",      &weapon, 15,  225,  3},
    {"Long Sword",       &weapon, 20,  325,  4},
    {"Broad Sword",      &weapon, 25,  425,  5},
    {"Two-handed Sword", &weapon, 30,  525,  6},
    {"Ice Edge",         &weapon, 40, 1000,  7},
    {"Tempest",          &weapon, 50, 1500,  8},
    {"Night Blade",      &weapon, 60, 2500,  9},
    {"Might of Chaos",   &weapon, 75, 5000, 10},
    {"Leather",          &armor,   5,   25,  1},
    {"Studded Leather",  &armor,  10,  150,  2},
    {"Chain Mail",       &armor,  15,  275,  3},
    {"Splint Mail",      &armor,  20,  400,  4},
    {"Breast Plate",     &armor,  25,  525,  5},
    {"Full Plate",       &armor,  40,  700,  6},
    {"Enchanted Robes",  &armor,  50,  900,  7},
    {"Demon's Edge",     &armor,  60, 1500,  8},
    {"Whirlwind",        &armor,  70, 2500,  9},
    {"Hellforge",        &armor,  85, 6000, 10},
};
// clang-format on

}  // namespace emberfell
