#pragma once
// The game (or a program that runs it) on a pseudo-terminal of its own, for
// the checks that need more than Terminal gives: typed answers from a file
// while the key presses come from the terminal, another program in front of
// the game, the game's CPU time, and a player that presses a key whenever
// the game waits for one.

#include <sys/types.h>
#include <termios.h>

#include <string>
#include <vector>

namespace emberfell::testing {

class PtyGame {
  public:
    // Run `argv` in `workdir`; with `answers` set, its standard input is that
    // file and only the key presses come from the terminal.
    PtyGame(const std::string& workdir, const std::vector<std::string>& argv,
            const std::string& answers = "");
    ~PtyGame();
    PtyGame(const PtyGame&) = delete;
    PtyGame& operator=(const PtyGame&) = delete;

    // Read what the program printed for up to this long.
    void pump(int milliseconds);
    bool expect(const std::string& text, int seconds = 10);
    void send(const std::string& keys);
    // The terminal's mode as it is now.
    struct termios mode() const;
    // True while the game waits for a key: canonical mode is off.
    bool waitingforkey() const;
    // Wait until the game waits for a key; false if it does not in time.
    bool untilkeywait(int seconds = 10);
    // Press a key at every key wait until the program ends: its wait status,
    // or -1 if it still runs after the time.
    int presskeysuntilend(int seconds);
    // The program's end: its wait status, or -1 if it still runs.
    int wait(int seconds = 10);

    pid_t pid() const { return child; }
    const std::string& output() const { return seen; }

  private:
    bool reap();

    pid_t child = -1;
    int master = -1;
    std::string seen;
    std::size_t searched = 0;
    bool exited = false;
    int status = 0;
};

// The terminal mode of a new pseudo-terminal, as the game finds it.
struct termios freshmode();

// The parts of two modes that a program can change.
bool samemode(const struct termios& a, const struct termios& b);
std::string describe(const struct termios& t);

// A process's CPU time so far (user and system), in clock ticks.
long cputicks(pid_t pid);

// A scratch directory, removed by the caller.
std::string scratchdir();

}  // namespace emberfell::testing
