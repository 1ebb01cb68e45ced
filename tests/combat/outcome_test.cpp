// The death screen.

#include <gtest/gtest.h>

#include <string>

#include "combat/combat.h"
#include "support/session.h"

namespace emberfell::testing {
namespace {

TEST(Death, TextByTheRollThenGameOverAndStatusZero) {
    const std::string gameover = "\n\n\n\n\n\n\n\n\n\n              Game Over\n\n\n[key]";
    const std::string texts[3] = {"You feel faint from lack of blood.\n",
                                  R"(Your stomach is sliced open
and you are left alone to stare in
disbelief as your insides fall out into
your hands.
[key])",
                                  "That gash on your leg was worse than\n"};
    for (int roll = 1; roll <= 3; ++roll) {
        Session s;
        s.con.rolls({roll});
        vars v{.hp = 0};
        const std::string shown = s.run([&] { winlose(10, v); }), text = texts[roll - 1];
        EXPECT_EQ(shown.substr(0, titleline.size() + text.size()), titleline + text);
        EXPECT_EQ(shown.substr(shown.size() - gameover.size()), gameover);
        if (roll == 2) {
            EXPECT_EQ(shown, titleline + text + gameover);  // the whole screen
        }
        EXPECT_TRUE(s.ended() && s.status() == 0);
    }
}

}  // namespace
}  // namespace emberfell::testing
