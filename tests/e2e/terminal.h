#pragma once
// The real game binary on a pseudo-terminal of its own, driven as a player
// would: wait for a text to appear, type keys, see how the program ended.

#include <sys/types.h>
#include <termios.h>

#include <string>
#include <string_view>

namespace emberfell::testing {

class Terminal {
  public:
    // Start the game in `workdir` (saves go below it).
    explicit Terminal(const std::string& workdir);
    ~Terminal();
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    // Read the game's output until `text` shows after what earlier expects
    // found; false if it has not shown within the time.
    bool expect(std::string_view text, int seconds = 10);
    void send(std::string_view keys);
    // Wait for the program's end: its wait status, or -1 if it is still
    // running after the time.
    int wait(int seconds = 10);
    // The terminal's mode as the game left it.
    struct termios mode() const;

    pid_t pid() const { return child; }
    // Everything the game printed so far.
    const std::string& output() const { return seen; }

  private:
    void readsome(int milliseconds);

    pid_t child = -1;
    int master = -1;
    std::string seen;
    std::size_t searched = 0;
    bool exited = false;
    int status = 0;
};

}  // namespace emberfell::testing
