// The companions' attacks.

#include <gtest/gtest.h>

#include <string>

#include "character/record.h"
#include "combat/combat.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

vars fullparty() {
    vars v;
    for (std::int32_t& flag : v.party) flag = 1;
    return v;
}

TEST(Group, NobodyJoinedOnlyWaits) {
    vars v;
    v.party[garath] = 2;  // only exactly 1 counts
    const vars before = v;
    int enemyhp = 100;
    Session s;
    EXPECT_EQ(s.run([&] { group(enemyhp, v); }), "[key]");
    EXPECT_EQ(enemyhp, 100);
    EXPECT_EQ(v.hp, before.hp);
}

TEST(Group, AllNineOnARollOfThree) {
    vars v = fullparty();
    int enemyhp = 100;
    Session s;
    s.con.roll(3, 9);
    EXPECT_EQ(s.run([&] { group(enemyhp, v); }), R"(Elenium attacks
 Super Nova: -5000 enemy HP
Drizzt attacks
 Flurry: -2000 enemy HP
Elminster attacks
 Hurricane: -2000 enemy HP
Belgarion attacks
 Orb Blast: -500 enemy HP
Richard attacks
 Seeker's Judgement: -2000 enemy HP
Elbryan attacks
 Tempest Strike: -1000 enemy HP
Garath attacks
 Earthquake: -600 enemy HP
Duran attacks
 Overhead Chop: -200 enemy HP
Thatch attacks
 Backstab: -20 enemy HP
[key])");
    EXPECT_EQ(enemyhp, 100 - 13320);
}

TEST(Group, AllNineOnARollOfOneWithGarathsCure) {
    vars v = fullparty();
    v.level = 4;
    v.maxhp = 300;
    v.hp = 290;
    int enemyhp = 0;
    Session s;
    s.con.roll(1, 9);
    // Garath's Cure shows its full 3 x level + 200 though the maximum cuts it.
    EXPECT_EQ(s.run([&] { group(enemyhp, v); }), R"(Elenium attacks
 Sword Chop: -1500 enemy HP
Drizzt attacks
 Twin Scimitars: -1000 enemy HP
Elminster attacks
 Wall of Fire: -500 enemy HP
Belgarion attacks
 Slash: -200 enemy HP
Richard attacks
 Seeker Sword: -800 enemy HP
Elbryan attacks
 Staff Swipe: -250 enemy HP
Garath attacks
 Cure: +212 HP
Duran attacks
 Stab: -50 enemy HP
Thatch attacks
 Knife Poke: -1 enemy HP
[key])");
    EXPECT_EQ(enemyhp, -4301);
    EXPECT_EQ(v.hp, 300);

    v.hp = 50;
    s.con.roll(1, 9);
    s.run([&] { group(enemyhp, v); });
    EXPECT_EQ(v.hp, 262);
    EXPECT_EQ(enemyhp, -8602);
}

TEST(Group, OneRollPerCompanionInActingOrder) {
    vars v;
    v.party[thatch] = 1;
    v.party[duran] = 1;
    int enemyhp = 500;
    Session s;
    s.con.rolls({2, 3});  // Duran acts before Thatch
    EXPECT_EQ(
        s.run([&] { group(enemyhp, v); }),
        "Duran attacks\n Slash: -100 enemy HP\nThatch attacks\n Backstab: -20 enemy HP\n[key]");
    EXPECT_EQ(enemyhp, 380);
}

}  // namespace
}  // namespace emberfell::testing
