#include <sys/resource.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <string>
#include <vector>

#include "e2e/ptygame.h"

namespace emberfell::testing {
namespace {

// The game still waits after a second, asleep: a busy wait would spend most
// of that second on the processor.
bool sleepswaiting(PtyGame& game) {
    const std::string schedstat = "/proc/" + std::to_string(game.pid()) + "/schedstat";
    long long before = -1, after = -1;
    std::ifstream(schedstat) >> before;
    const bool waits = game.wait(1) == -1;
    std::ifstream(schedstat) >> after;
    return waits && before >= 0 && after - before < 20000000;
}

// The signals that end a program where nothing catches them, as the system
// shows: a child given each one's default action sends it to itself. Those
// that stop, continue or pass by leave it going; those that no program can
// catch (nor the system's own) are left out.
std::vector<int> endingsignals() {
    std::vector<int> ending;
    for (int sig = 1; sig <= SIGRTMAX; ++sig) {
        struct sigaction action {};
        if (sigaction(sig, nullptr, &action) != 0 || sigaction(sig, &action, nullptr) != 0)
            continue;
        const pid_t child = fork();
        if (child == 0) {
            signal(sig, SIG_DFL);
            raise(sig);
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, WUNTRACED);
        if (WIFSTOPPED(status)) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
        } else if (WIFSIGNALED(status) && WTERMSIG(status) == sig) {
            ending.push_back(sig);
        }
    }
    return ending;
}

// The address sanitizer's own handlers would take the faults (and end the
// game with a report and an exit status of their own): they are left to the
// game, as without a sanitizer.
constexpr const char* sanitizerleavesfaults =
    "ASAN_OPTIONS=handle_segv=0:handle_sigbus=0:handle_sigfpe=0:handle_sigill=0:handle_abort=0:"
    "handle_sigtrap=0";

// Ctrl-C typed, and every other signal that ends a program sent, during a
// key wait (raw: no Enter, no echo): the mode comes back and the game still
// ends by that signal, those that dump core too. No core is written.
TEST(TerminalMode, RestoredAfterASignalDuringAKeyWait) {
    Scratch s;
    struct rlimit core {};
    getrlimit(RLIMIT_CORE, &core);
    core.rlim_cur = 0;
    setrlimit(RLIMIT_CORE, &core);
    const std::vector<int> ending = endingsignals();
    ASSERT_GE(ending.size(), 20u);  // POSIX names twenty, Linux 53 with the real-time ones
    // All started at once, and each sent its signal at its key wait before
    // any end is awaited: no game waits for another.
    std::deque<PtyGame> games;
    for (std::size_t n = 0; n < ending.size(); ++n)
        games.emplace_back(
            s.dir, std::vector<const char*>{"env", sanitizerleavesfaults, EMBERFELL_BINARY});
    for (std::size_t n = 0; n < ending.size(); ++n) {
        SCOPED_TRACE(strsignal(ending[n]));
        ASSERT_TRUE(games[n].untilkeywait());  // at the title
        EXPECT_EQ(games[n].mode().c_lflag & (ICANON | ECHO), 0u);
        if (ending[n] == SIGINT) {
            games[n].send("\x03");  // Ctrl-C typed
        } else {
            kill(games[n].pid(), ending[n]);
        }
    }
    for (std::size_t n = 0; n < ending.size(); ++n) {
        SCOPED_TRACE(strsignal(ending[n]));
        const int status = games[n].wait();
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == ending[n]) << "status " << status;
        EXPECT_TRUE(games[n].asfound());
    }
}

// Left not blocking by an earlier program, the terminal still has the game
// wait, asleep, for each key and line; an arrow key, the Linux console's F5,
// Shift-F1 with its modifier and a letter beyond ASCII are one key press
// each; the end of input ends the game cleanly; and where the terminal
// cannot clear its screen, no escape sequence is sent.
TEST(TerminalMode, NonBlockingKeysOfSeveralBytesEndOfInputNoEscapes) {
    for (const char* term : {"TERM=dumb", "-uTERM"}) {
        SCOPED_TRACE(term);
        Scratch s;
        PtyGame game(s.dir, {"env", term, EMBERFELL_BINARY}, "", true);
        ASSERT_TRUE(game.untilkeywait());
        EXPECT_TRUE(sleepswaiting(game));  // at the title
        ASSERT_TRUE(game.play({{"\x1b[A", "(C)redits\r\n? "}}));
        EXPECT_TRUE(sleepswaiting(game));  // at the start menu
        EXPECT_TRUE(game.asfound());       // a typed prompt has the terminal's own mode
        for (const char* key : {"\xc3\xa9", "\x1b[[E", "\x1bO2P"})
            ASSERT_TRUE(game.play({{"i\r", "exit game"}, {key, "(C)redits\r\n? "}}));
        game.send("\x04");
        game.expectcleanend();
        const std::string& out = game.output();
        // Four start menus: no stray byte of a key drew one more.
        std::size_t at = 0;
        for (int menus = 0; menus < 4; ++menus) at = out.find("(C)redits", at) + 1;
        EXPECT_EQ(out.find("(C)redits", at), std::string::npos) << out;
        EXPECT_EQ(out.find('\x1b'), std::string::npos) << out;
    }
}

// The game as a job of an interactive shell: stopped with Ctrl-Z during a
// key wait, continued in the background and brought back, or started in the
// background; keys and typed lines work afterwards as before.
TEST(JobControl, KeysAndTypedLinesWorkAfterStopBackgroundAndForeground) {
    Scratch s;
    PtyGame shell(s.dir, {"env", "PS1=$ ", "bash", "--norc", "--noprofile", "-i"});
    // A pause for the game to reach its key wait and the shell to act, then a step.
    const auto settled = [&](auto typed, auto shown) {
        usleep(300000);
        return shell.play({{typed, shown}});
    };
    ASSERT_TRUE(shell.play({{"", "$ "},
                            {EMBERFELL_BINARY "\r", "Version: " EMBERFELL_VERSION},
                            {"x", "(C)redits\r\n? "},
                            {"n\r", "Enter character name: "},
                            {"Ann\r", "Welcome, Ann"}}));
    ASSERT_TRUE(settled("\x1a", "Stopped") && shell.play({{"bg\r", "emberfell &"}}));
    ASSERT_TRUE(settled("fg\r", "emberfell\r\n") && settled(" ", "(E)xit\r\n? "));
    ASSERT_TRUE(shell.play({{"e\r", "Goodbye!!"}, {" ", "$ "}}));
    ASSERT_TRUE(shell.play({{EMBERFELL_BINARY " &\r", "Version: " EMBERFELL_VERSION}}));
    ASSERT_TRUE(settled("fg\r", "emberfell\r\n") && settled("x", "(C)redits\r\n? "));
    ASSERT_TRUE(shell.play({{"n\r", "Enter character name: "}, {"\x04", "$ "}}));
}

// Played to the score screen by a knight who wins every fight in one blow,
// every activity of the main menu once on the way (the fork's answer is the
// first "1": left): no process started (strace records each one made).
TEST(RealTerminal, TheFinalQuestEndsTheGameWithTheScoreAndStartsNoProcess) {
    if (std::system("command -v strace >/dev/null 2>&1") != 0) GTEST_SKIP() << "no strace";
    Scratch s;
    vars hero = strongknight(8);
    hero.gold = 1000;
    hero.kills = 250;
    hero.spells = 12;
    hero.weapon = hero.armor = 11;
    for (std::int32_t& joined : hero.party) joined = 1;
    s.write("saves/Hero", savefile("Hero", hero));
    std::string typed = "s\nl\nHero\nm\n0\nq\nn\nb\n0\ng\n8\ni\nn\ns\na\ny\nq\ny\n";
    for (int i = 0; i < 200; ++i) typed += "1\n";
    s.write("answers", typed);
    PtyGame game(s.dir,
                 {"strace", "-f", "-qq", "-ostrace.log",
                  "-etrace=execve,execveat,fork,vfork,clone,clone3", EMBERFELL_BINARY},
                 "answers");
    game.expectcleanend(90, true);
    EXPECT_TRUE(game.shows("You come upon several diamond dragons"));
    EXPECT_TRUE(game.shows("It's gold plaque reads:\r\n\r\nHero\r\nThis hero killed the\r\n"));
    // Sixteen dragon fights, all won: 250 + 16.
    EXPECT_TRUE(game.shows("                              Game Completed!!\r\n\r\nScore: 266"))
        << game.output();
    const std::string log = s.read("strace.log");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;  // strace starting the game
}

// --plain on a terminal: the words alone, without one escape sequence, and
// a fight's second turn says only what changed. --help, and an unknown option
// (its control codes left out). The ordinary screen's clear keeps the
// scrollback.
TEST(Plain, TheWordsAloneOnATerminal) {
    Scratch s;
    PtyGame game(s.dir, {EMBERFELL_BINARY, "--plain"});
    // Each answer typed at its prompt, each key pressed at its key wait.
    const auto key = [&] { return game.untilkeywait() && game.send(" "); };
    ASSERT_TRUE(key() &&
                game.play({{"", "(C)redits\r\n? "}, {"n\r", "name: "}, {"Ayla\r", "..."}}));
    ASSERT_TRUE(key() && game.play({{"", "(E)xit\r\n? "}, {"z\r", "(E)xit\r\n? "}}));
    ASSERT_TRUE(game.play({{"m\r", "number: "}, {"1\r", "squirrel"}}));
    ASSERT_TRUE(key() && game.play({{"", "Run\r\n? "}, {"1\r", "Defense value: "}}));
    ASSERT_TRUE(key() && game.play({{"", "\r\n? "}, {"\x04", ""}}));
    game.expectcleanend();
    std::string out = game.output();
    std::erase(out, '\r');
    // The words themselves are the filter's (tests/console); here, that the
    // real terminal gets them, its typed answers echoed into them.
    EXPECT_EQ(out.substr(0, out.find("(M)onsters")),
              std::string("Emberfell, version " EMBERFELL_VERSION) + R"(. Press Enter.
(Press any key.)
Emberfell

(N)ew Game
(L)oad Game
(S)tory
(I)nstructions
(C)redits
? n

Enter character name: Ayla
Welcome, Ayla, your adventure is just beginning...
(Press any key.)

)");
    EXPECT_NE(out.find("? z\nThat is not one of the choices.\n"), std::string::npos);
    const std::string turn = out.substr(out.rfind("(Press any key.)\n") + 17);
    EXPECT_TRUE(turn.starts_with("\nHP: ") && turn.ends_with("/10\n? ") &&
                std::count(turn.begin(), turn.end(), '\n') == 2)
        << out;
    EXPECT_EQ(out.find('\x1b'), std::string::npos);

    const auto started = [&](const std::string& arguments) {
        const int status = std::system(
            (EMBERFELL_BINARY " " + arguments + " >" + s.dir + "/out 2>" + s.dir + "/err").c_str());
        return WEXITSTATUS(status);
    };
    EXPECT_EQ(started("--help"), 0);
    const std::string usage = s.read("out");
    EXPECT_TRUE(usage.starts_with("Usage: emberfell [--plain]\n") && s.read("err").empty());
    EXPECT_EQ(started("--plain \"$(printf '\\033[2J--x')\""), 2);
    EXPECT_TRUE(s.read("out").empty());
    EXPECT_EQ(s.read("err"), "emberfell: unknown option --x\n" + usage);

    PtyGame screen(s.dir);
    ASSERT_TRUE(screen.untilkeywait() && screen.play({{" ", "(C)redits\r\n? "}, {"\x04", ""}}));
    screen.expectcleanend();
    EXPECT_NE(screen.output().find("\x1b[H\x1b[2J"), std::string::npos);
    EXPECT_EQ(screen.output().find("\x1b[3J"), std::string::npos);
}

}  // namespace
}  // namespace emberfell::testing
