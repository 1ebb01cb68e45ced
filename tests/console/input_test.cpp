// The prompts' readers with what a player, a pipe or a junk file can give them:
// non-numbers, numbers beyond 32 bits, NUL bytes, CR LF line ends, end of input;
// and junk at every number prompt of the game.

#include "console/input.h"

#include <gtest/gtest.h>

#include <functional>

#include "combat/combat.h"
#include "encounters/encounters.h"
#include "quests/script.h"
#include "support/session.h"
#include "town/town.h"

namespace emberfell::testing {
namespace {

using namespace std::string_literals;

TEST(Input, AnswersNumbersAndNamesFromWhateverIsTyped) {
    Session s(
        " \r\n\t \x1b[[E\x1bO2P yes\n\0\xff\n42\n-7\r\n  +3 9\nabc 5\n99999999999999999999 "
        "6\n2147483648\n"
        "-2147483649\n-\n\0\x01 junk 7\n2147483647\n-2147483648\n8\nSir Ayla\r\nA\0yla\n"s +
        std::string(30, 'x') + "\n" + std::string(80, 'a') + "b\n");
    std::string got;
    s.run([&] {
        got += readanswer();
        got += readname() + "|";                          // the rest of the answer's line stays
        for (int i = 0; i < 2; ++i) got += readanswer();  // a NUL byte and a high one
        for (int i = 0; i < 13; ++i) {
            got += "|";
            got += std::to_string(readnumber());
        }
        for (int i = 0; i < 4; ++i) {
            got += "|";
            got += readname();
        }
        discardline();  // at most 80 characters
        got += readanswer();
    });
    EXPECT_EQ(got, "yes|\0\xff|42|-7|3|9|0|0|0|0|0|0|2147483647|-2147483648|8||Sir Ayla|Ayla|"s +
                       std::string(25, 'x') + "b");
    EXPECT_FALSE(s.ended());
}

TEST(Input, NamesKeepTheLettersAndNoControlCode) {
    // Keys' escape sequences (F1, Alt-x, Ctrl-Right, the Linux console's F1,
    // Shift-F1, a cut one), a tab and a DEL; UTF-8 letters; the C1 control
    // U+009B, the 8-bit C1 controls 0x9B and 0x85 (letters on the Windows
    // console) beside a Latin-1 letter, and the marks that turn text right to
    // left; 26 letters between arrow keys; controls alone.
    std::string arrows;
    for (char c = 'a'; c <= 'z'; ++c) arrows += "\x1b[D"s + c;
    const std::string c1 =
        "A\xC2\x9B"
        "6n\x9B"
        "6n\x85"
        "B\xE9"
        "z\u202E\u2066\u200F\u061C!";
    Session s("\x1bOPSir \x1bx\x1b[1;5CAy\x1b[[Al\x1bO2Pa\t\x7f\x1b[\n\xC3\x86sa \xE2\x9C\x93\n" +
              c1 + "\n" + arrows + "\n\x1b[2J\x07\r\nAyla\n");
    std::string got;
    s.run([&] {
        for (int i = 0; i < 6; ++i) got += readname() + "|";
    });
#ifdef _WIN32
    const std::string c1kept = c1;
#else
    const std::string c1kept = "A6n6nB\xE9z!";
#endif
    EXPECT_EQ(got,
              "Sir Ayla|\xC3\x86sa \xE2\x9C\x93|" + c1kept + "|abcdefghijklmnopqrstuvwxy||Ayla|");
}

template <class Read>
void expectend(const std::string& typed, Read read) {
    Session s(typed);
    s.run([&] { read(), read(), read(); });
    EXPECT_TRUE(s.ended() && s.status() == 0) << typed;
}

TEST(Input, EndOfInputEndsTheProgramWithStatusZero) {
    for (const char* typed : {"", "  \n", "abc", "99999999999999999999"})
        expectend(typed, readnumber);
    expectend("  \n\n ", readanswer);
    expectend("Ayla\n", readname);
}

// Junk at any number prompt (a word, a number beyond 32 bits) is taken as 0,
// a number that names nothing there, and the rest of its line is gone.
TEST(Input, JunkAtEveryNumberPromptIsTakenAsZero) {
    int enemyhp = 1;
    outcome result = outcome::fighting;
    const step left[] = {{act::print, "left\n"}}, right[] = {{act::print, "right\n"}};
    const std::span<const step> ways[] = {left, right};
    const step fork[] = {{act::fork, "Which way? ", ways}};
    const std::function<void(vars&)> fight = [&](vars& v) { battle(enemyhp, v, result); };
    const struct {
        std::function<void(vars&)> place;
        const char* before;  // typed before the prompt
        const char* after;   // typed after it, to the end of the visit
    } prompts[] = {{monster, "", ""},
                   {blacksmith, "", ""},
                   {magicshop, "", ""},
                   {fight, "", "1\n"},     // the fight's menu
                   {fight, "2\n", "1\n"},  // the spell list
                   {[&](vars& v) { playsteps(v, fork); }, "", "1\n"}};
    for (const auto& p : prompts) {
        const auto typed = [&](const std::string& answer) {
            vars v{.spells = 1};
            enemyhp = 1;
            Session s(p.before + answer + "\n" + p.after + "q\n");
            const std::string shown = s.run([&] { p.place(v); });
            return shown + readanswer();
        };
        const std::string zero = typed("0");
        for (const char* junk : {"abc def", "99999999999 x"})
            EXPECT_EQ(typed(junk), zero) << p.before << junk;
    }
}

}  // namespace
}  // namespace emberfell::testing
