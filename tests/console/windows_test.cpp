// The Windows console's saves: CR LF line ends, names that Windows would
// change or take for a device refused, and a save that cannot be opened left
// alone.

#ifdef _WIN32

#include <gtest/gtest.h>

#include <filesystem>

#include "console/console.h"
#include "support/scratch.h"

namespace emberfell::testing {
namespace {

namespace fs = std::filesystem;

TEST(WindowsConsole, TakesOnlyNamesWindowsKeepsAsTheyAre) {
    Console& windows = platformconsole();
    for (const char* name : {"Ann", "Sir Ann", ".Ann", "Connie", "COM10", "Nulla.b", "\xC3\x86"})
        EXPECT_TRUE(windows.takesname(name)) << name;
    for (const char* name : {"Ann.", "Ann ", "CON", "con.txt", "Nul", "aux .x", "COM1", "lpt9",
                             "a:b", "a\\b", "a/b", "a*", "a?", "<a>", "a|b", "\"a\"", "a\tb", ""})
        EXPECT_FALSE(windows.takesname(name)) << name;
}

TEST(WindowsConsole, WritesSavesWholeWithWindowsLineEnds) {
    Scratch dir;
    Console& windows = platformconsole();
    fs::create_directories("saves/Anna");
    // Left by a game that was killed while it saved; and a knight named like
    // the unfinished save of a game gone, which stays.
    dir.write("saves/.emberfell-unfinished-4000000-0", "1\n");
    dir.write("saves/.emberfell-unfinished-8-0", "1\n");
    EXPECT_EQ(windows.writewhole("saves/Ann", "1\n2\nAnn\n"), Written::whole);
    EXPECT_EQ(windows.writewhole("saves/Ann", "3\n4\nAnn\n"), Written::whole);
    EXPECT_EQ(dir.read("saves/Ann"), "3\r\n4\r\nAnn\r\n");
    EXPECT_EQ(windows.writewhole("saves/Anna", "1\n"), Written::unopened);
    fs::permissions("saves/Ann", fs::perms::owner_read);
    EXPECT_EQ(windows.writewhole("saves/Ann", "5\n"), Written::unopened);
    EXPECT_EQ(dir.read("saves/Ann"), "3\r\n4\r\nAnn\r\n");
    fs::permissions("saves/Ann", fs::perms::owner_all);
    EXPECT_EQ(std::distance(fs::directory_iterator("saves"), {}), 3);
}

}  // namespace
}  // namespace emberfell::testing

#endif
