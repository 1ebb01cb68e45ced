// The death screen.

#include <gtest/gtest.h>

#include <string>

#include "combat/combat.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

TEST(Death, TextByTheRollThenGameOverAndStatusZero) {
    const std::string firstline[3] = {"You feel faint from lack of blood.\n",
                                      "Your stomach is sliced open\n",
                                      "That gash on your leg was worse than\n"};
    for (int roll = 1; roll <= 3; ++roll) {
        vars v;
        v.hp = 0;
        Session s;
        s.con.rolls({roll});
        const std::string shown = s.run([&] { winlose(10, v); });
        EXPECT_EQ(shown.substr(titleline.size(), firstline[roll - 1].size()), firstline[roll - 1]);
        EXPECT_TRUE(s.ended());
        EXPECT_EQ(s.status(), 0);
        if (roll == 2) {
            EXPECT_EQ(shown, titleline + R"(Your stomach is sliced open
and you are left alone to stare in
disbelief as your insides fall out into
your hands.
[key])" + "\n\n\n\n\n\n\n\n\n\n              Game Over\n\n\n[key]");
        }
    }
}

}  // namespace
}  // namespace emberfell::testing
