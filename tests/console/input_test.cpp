// The prompts' readers with what a player, a pipe or a junk file can give
// them: end of input, non-numbers, numbers beyond 32 bits, NUL bytes and
// binary junk, CR LF line ends.

#include "console/input.h"

#include <gtest/gtest.h>

#include <string>

#include "support/session.h"

namespace emberfell::testing {
namespace {

TEST(ReadAnswer, FirstNonBlankAndTheRestStays) {
    Session s(" \r\n\t  yes\n");
    char c = 0;
    s.run([&] { c = readanswer(); });
    EXPECT_EQ(c, 'y');
    std::string name;
    s.run([&] { name = readname(); });
    EXPECT_EQ(name, "es");
}

TEST(ReadAnswer, EndOfInputEndsTheProgram) {
    Session s("  \n\n ");
    s.run([] { readanswer(); });
    EXPECT_TRUE(s.ended());
    EXPECT_EQ(s.status(), 0);
}

TEST(ReadAnswer, NulAndHighBytesAreAnswersLikeAnyOther) {
    Session s(std::string("\0\xff", 2));
    char first = 1;
    char second = 0;
    s.run([&] {
        first = readanswer();
        second = readanswer();
    });
    EXPECT_EQ(first, '\0');
    EXPECT_EQ(second, '\xff');
    EXPECT_FALSE(s.ended());
}

TEST(ReadNumber, WholeNumbersAndTheirLineEndStays) {
    Session s("42\n-7\r\n  +3 9\n2147483647\n-2147483648\n");
    int n[6] = {};
    s.run([&] {
        for (int& x : n) x = readnumber();
    });
    EXPECT_EQ(n[0], 42);
    EXPECT_EQ(n[1], -7);
    EXPECT_EQ(n[2], 3);
    EXPECT_EQ(n[3], 9);
    EXPECT_EQ(n[4], 2147483647);
    EXPECT_EQ(n[5], -2147483648);
    EXPECT_FALSE(s.ended());
}

TEST(ReadNumber, NonNumbersAndHugeNumbersNameNothingAndSkipTheirLine) {
    Session s(
        "abc 5\n"
        "99999999999999999999 6\n"
        "2147483648\n"
        "-2147483649\n"
        "-\n" +
        std::string("\0\x01\xfe junk 7\n", 11) + "\x1b[A\n" + "8\n");
    int n[8] = {};
    s.run([&] {
        for (int& x : n) x = readnumber();
    });
    for (int i = 0; i < 7; ++i) EXPECT_EQ(n[i], 0) << "answer " << i;
    EXPECT_EQ(n[7], 8);
    EXPECT_FALSE(s.ended());
}

TEST(ReadNumber, EndOfInputEndsTheProgram) {
    for (const char* typed : {"", "  \n", "abc", "99999999999999999999"}) {
        Session s(typed);
        s.run([] {
            for (int i = 0; i < 3; ++i) readnumber();
        });
        EXPECT_TRUE(s.ended()) << typed;
        EXPECT_EQ(s.status(), 0);
    }
}

TEST(ReadName, RestOfTheLineAtMostTwentyFiveCharacters) {
    Session s("Sir Ayla\r\n" + std::string(30, 'x') + "\nnext\n\n");
    std::string names[4];
    s.run([&] {
        for (std::string& n : names) n = readname();
    });
    EXPECT_EQ(names[0], "Sir Ayla");
    EXPECT_EQ(names[1], std::string(25, 'x'));
    EXPECT_EQ(names[2], "next");
    EXPECT_EQ(names[3], "");
}

TEST(ReadName, NulBytesAreDropped) {
    Session s(std::string("A\0yla\n\0\0\n", 9));
    std::string first;
    std::string second;
    s.run([&] {
        first = readname();
        second = readname();
    });
    EXPECT_EQ(first, "Ayla");
    EXPECT_EQ(second, "");
}

TEST(ReadName, EndOfInputEndsTheProgram) {
    Session s("");
    s.run([] { readname(); });
    EXPECT_TRUE(s.ended());
}

TEST(DiscardLine, AtMostEightyCharactersThroughTheLineEnd) {
    Session s(std::string(100, 'a') + "b\nc\n");
    char c = 0;
    s.run([&] {
        discardline();
        c = readanswer();
    });
    EXPECT_EQ(c, 'a');  // the line was longer than 80: its tail is still there
    Session t("abc\r\nz\n");
    t.run([&] {
        discardline();
        c = readanswer();
    });
    EXPECT_EQ(c, 'z');
}

TEST(ScriptedReplace, ReplacesAnExistingFile) {
    TempDir dir;
    writefile("old", "old\n");
    writefile("new", "new\n");
    Session s;
    EXPECT_TRUE(replacefile("new", "old"));
    EXPECT_EQ(readfile("old"), "new\n");
    EXPECT_FALSE(replacefile("missing", "old"));
    EXPECT_EQ(readfile("old"), "new\n");
}

}  // namespace
}  // namespace emberfell::testing
