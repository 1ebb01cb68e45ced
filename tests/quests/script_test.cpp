// The step player and the closing screen on an edited record.

#include "quests/script.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "support/session.h"

namespace emberfell::testing {
namespace {

TEST(QuestSteps, AnEditedRecordSaturatesAndAFullNameStopsAtItsField) {
    Session s;
    vars v;
    v.gold = INT_MAX - 5;
    v.str = INT_MAX;
    v.quest = INT_MAX;
    v.level = 100;
    std::memset(v.name, 'K', sizeof v.name);
    using enum act;
    const step steps[] = {{gold, 100}, {potion, &vars::str, 10}, {say, ": Right.\n"}};
    EXPECT_EQ(s.run([&] { playsteps(v, steps); }), std::string(sizeof v.name, 'K') + ": Right.\n");
    EXPECT_EQ(v.gold, INT_MAX);
    EXPECT_EQ(v.str, INT_MAX);
    s.run([&] { takequest(v, quest{"", {}, {100, 200, 100, 50}}); });
    EXPECT_EQ(v.quest, INT_MAX);
}

}  // namespace
}  // namespace emberfell::testing
