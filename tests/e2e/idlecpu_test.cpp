// Waiting costs nothing: while the game waits for a key or for a typed line
// it sleeps in the kernel and spends no CPU time.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>

#include "e2e/ptygame.h"

namespace emberfell::testing {
namespace {

constexpr int waitseconds = 3;

// CPU ticks the game spends over a few seconds of waiting.
long idleticks(const PtyGame& game) {
    const long before = cputicks(game.pid());
    sleep(waitseconds);
    return cputicks(game.pid()) - before;
}

TEST(IdleCpu, NoneWhileWaitingForAKeyOrALine) {
    const std::string dir = scratchdir();
    {
        PtyGame game(dir, {EMBERFELL_BINARY});
        ASSERT_TRUE(game.expect("Version: 1.0.1"));
        ASSERT_TRUE(game.untilkeywait());
        const long atkey = idleticks(game);
        game.send("x");
        ASSERT_TRUE(game.expect("(C)redits\r\n? "));
        const long atline = idleticks(game);
        std::cout << "CPU over " << waitseconds << " s of waiting, in clock ticks of 1/"
                  << sysconf(_SC_CLK_TCK) << " s: " << atkey << " at a key wait, " << atline
                  << " at a typed prompt\n";
        // A tick may fall on the wait's first or last moment; a busy wait
        // would spend hundreds.
        EXPECT_LE(atkey, 1);
        EXPECT_LE(atline, 1);
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace emberfell::testing
