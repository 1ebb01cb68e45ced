#pragma once
// The real game binary (or a program in front of it) on a pseudo-terminal
// of its own, driven as a player would: wait for a text, type keys, press a
// key whenever the game waits for one, see how the program ended and how it
// left the terminal.

#include <gtest/gtest.h>
#include <sys/types.h>
#include <termios.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace emberfell::testing {

class PtyGame {
  public:
    // Run `argv` in `workdir` on a terminal of TERM type xterm; with
    // `answers` set, the typed lines come from that file and only the key
    // presses from the terminal; `nonblocking` leaves the terminal so, as a
    // careless program before the game might.
    explicit PtyGame(const std::string& workdir,
                     const std::vector<std::string>& argv = {EMBERFELL_BINARY},
                     const std::string& answers = "", bool nonblocking = false);
    ~PtyGame();
    PtyGame(const PtyGame&) = delete;
    PtyGame& operator=(const PtyGame&) = delete;

    // Read the output until `text` shows after what earlier expects found.
    bool expect(std::string_view text, int seconds = 10);
    void send(std::string_view keys);
    // Type each step's keys, then expect its text.
    ::testing::AssertionResult play(
        std::initializer_list<std::pair<std::string_view, std::string_view>> steps);
    // The terminal's mode now; a key wait is the only time canonical mode is off.
    struct termios mode() const;
    bool waitingforkey() const { return (mode().c_lflag & ICANON) == 0; }
    // Wait until the game waits for a key; false if it does not in time.
    bool untilkeywait(int seconds = 10);
    // The program's wait status, or -1 if it still runs after the time;
    // with `presskeys`, a key is pressed at every key wait meanwhile.
    int wait(int seconds = 10, bool presskeys = false);

    pid_t pid() const { return child; }
    const std::string& output() const { return seen; }

  private:
    void pump(int milliseconds);
    bool reap();

    pid_t child = -1;
    int master = -1;
    std::string seen;
    std::size_t searched = 0;
    bool exited = false;
    int status = 0;
};

// The mode is the one a new pseudo-terminal starts with, as the game found it.
::testing::AssertionResult asfound(const struct termios& mode);

// The program ended by itself with status 0, the terminal as it found it.
void expectcleanend(const PtyGame& game, int status);

// The save of a new knight with this name and gold.
std::string newknight(const std::string& name, int gold = 0);

// A scratch working directory for one test.
struct Scratch {
    Scratch();
    ~Scratch();
    // Put a save file in place, as the player's own saves directory holds it.
    void save(const std::string& name, const std::string& text) const;
    // A file's whole contents, by its path below the directory.
    std::string read(const std::string& path) const;
    std::string dir;
};

}  // namespace emberfell::testing
