// The outcome test and the death screen.

#include <gtest/gtest.h>

#include <string>

#include "character/record.h"
#include "combat/combat.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

TEST(Winlose, MonsterAtZeroOrBelowIsDefeated) {
    vars v;
    Session s;
    int result = -1;
    EXPECT_EQ(s.run([&] { result = winlose(0, v); }), "\nEnemy defeated!!\n[key]");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(v.kills, 1);

    // The monster's death is tested first; the knight gets back up at 1 HP.
    v.hp = -3;
    s.run([&] { result = winlose(-50, v); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(v.hp, 1);
    EXPECT_EQ(v.kills, 2);
    EXPECT_EQ(s.con.keys(), 2);

    // Exactly 0 HP stays 0; the limits are applied before the message.
    v.hp = 0;
    v.gold = 40000;
    s.run([&] { result = winlose(-1, v); });
    EXPECT_EQ(v.hp, 0);
    EXPECT_EQ(v.gold, 30000);
}

TEST(Winlose, FightGoesOnSilently) {
    vars v;
    v.hp = 5;
    Session s;
    int result = -1;
    EXPECT_EQ(s.run([&] { result = winlose(1, v); }), "");
    EXPECT_EQ(result, 0);
    EXPECT_EQ(v.kills, 0);
}

TEST(Winlose, KillCountDoesNotOverflow) {
    vars v;
    v.kills = 2147483647;
    Session s;
    s.run([&] { winlose(0, v); });
    EXPECT_EQ(v.kills, 2147483647);
}

TEST(Death, TextByTheRollThenGameOverAndTheEnd) {
    const std::string gameover = "\n\n\n\n\n\n\n\n\n\n              Game Over\n\n\n[key]";
    const std::string texts[3] = {
        R"(You feel faint from lack of blood.
You can hear your heart thumping slowly.
At first, you feel cold all over,
then you feel pleasantly warm.
Your eylids droop and you fall into nothingness,
never to return...
)",
        R"(Your stomach is sliced open
and you are left alone to stare in
disbelief as your insides fall out into
your hands.
)",
        R"(That gash on your leg was worse than
you thought. Your leg doesn't work very well
anymore. You can hear monsters closing
in from all sides. You will only be able
to hold them off for a while, and then...
Best not to dwell on it. You have only minutes,
perhaps seconds, before the smell of blood
is too much for the monsters to resist...
)"};
    for (int roll = 1; roll <= 3; ++roll) {
        vars v;
        v.hp = 0;
        Session s;
        s.con.rolls({roll});
        EXPECT_EQ(s.run([&] { winlose(10, v); }), titleline + texts[roll - 1] + "[key]" + gameover);
        EXPECT_TRUE(s.ended());
        EXPECT_EQ(s.status(), 0);
    }
}

}  // namespace
}  // namespace emberfell::testing
