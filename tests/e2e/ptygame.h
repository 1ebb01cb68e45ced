#pragma once
// The real game (or a program in front of it) on a pseudo-terminal of its
// own, played as a player would: type keys, wait for texts, press a key at
// each key wait, see how it ended and left the terminal.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <utmp.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/knights.h"
#include "support/scratch.h"

namespace emberfell::testing {

class PtyGame {
  public:
    // Run `argv` in `dir` on an xterm; with `answers` (a file in `dir`), typed
    // lines come from it and only keys from the terminal; `nonblocking` leaves
    // the terminal so, as a careless program before the game might.
    explicit PtyGame(const std::string& dir, std::vector<const char*> argv = {EMBERFELL_BINARY},
                     const std::string& answers = "", bool nonblocking = false) {
        struct winsize size = {24, 80, 0, 0};
        int slave = -1;
        openpty(&master, &slave, nullptr, nullptr, &size);
        tcgetattr(slave, &found);
        if ((child = fork()) == 0) {
            close(master);
            if (login_tty(slave) != 0 || chdir(dir.c_str()) != 0) _exit(127);
            setenv("TERM", "xterm", 1);
            // The sanitizers' leak check cannot work under strace.
            if (std::string_view(argv[0]) == "strace") setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
            if (nonblocking) fcntl(0, F_SETFL, fcntl(0, F_GETFL) | O_NONBLOCK);
            const int fd = answers.empty() ? 0 : open(answers.c_str(), O_RDONLY);
            if (fd < 0 || dup2(fd, 0) < 0) _exit(127);
            argv.push_back(nullptr);
            execvp(argv[0], const_cast<char* const*>(argv.data()));
            _exit(127);
        }
        close(slave);
    }
    ~PtyGame() {
        if (child > 0 && !reap()) kill(child, SIGKILL);
        if (child > 0 && !ended) waitpid(child, nullptr, 0);
        close(master);
    }
    PtyGame(const PtyGame&) = delete;
    PtyGame& operator=(const PtyGame&) = delete;

    bool send(std::string_view keys) {
        return write(master, keys.data(), keys.size()) == static_cast<ssize_t>(keys.size());
    }
    // Type each step's keys, then read until its text shows after the texts
    // of the steps before.
    ::testing::AssertionResult play(
        std::initializer_list<std::pair<std::string_view, std::string_view>> steps) {
        for (const auto& [typed, text] : steps) {
            send(typed);
            const std::string_view shown = text;  // a lambda cannot take a binding in clang 14
            std::size_t at = 0;
            if (!within(10, [&] { return (at = seen.find(shown, searched)) != std::string::npos; }))
                return ::testing::AssertionFailure() << shown << " not in\n" << seen;
            searched = at + shown.size();
        }
        return ::testing::AssertionSuccess();
    }
    // Wait until the game waits for a key; false if it does not in time.
    bool untilkeywait() {
        return within(10, [&] { return waitingforkey() || reap(); }) && !ended;
    }
    // The program's wait status, or -1 if it still runs after the time;
    // with `presskeys`, a key is pressed at every key wait meanwhile: after
    // new text, or when the game still waits a while after the last key.
    int wait(int seconds = 10, bool presskeys = false) {
        std::size_t printed = seen.size();
        auto lastkey = clock::now();
        const bool over = within(seconds, [&] {
            const bool fresh =
                seen.size() != printed || clock::now() > lastkey + std::chrono::milliseconds(300);
            if (presskeys && fresh && waitingforkey()) {
                printed = seen.size();
                lastkey = clock::now();
                send(" ");
            }
            return reap();
        });
        pump(0);
        return over ? status : -1;
    }

    struct termios mode() const {
        struct termios now {};
        tcgetattr(master, &now);
        return now;
    }
    // The mode is the one the terminal started with, as the game found it.
    ::testing::AssertionResult asfound() const {
        const struct termios now = mode();
        if (now.c_iflag == found.c_iflag && now.c_oflag == found.c_oflag &&
            now.c_cflag == found.c_cflag && now.c_lflag == found.c_lflag &&
            std::memcmp(now.c_cc, found.c_cc, sizeof now.c_cc) == 0)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << std::hex << "lflag " << now.c_lflag;
    }
    // The program ends by itself with status 0, the terminal as it found it.
    void expectcleanend(int seconds = 10, bool presskeys = false) {
        const int end = wait(seconds, presskeys);
        EXPECT_TRUE(WIFEXITED(end) && WEXITSTATUS(end) == 0) << "status " << end << "\n" << seen;
        EXPECT_TRUE(asfound());
    }

    pid_t pid() const { return child; }
    const std::string& output() const { return seen; }
    bool shows(std::string_view text) const { return seen.find(text) != std::string::npos; }

  private:
    using clock = std::chrono::steady_clock;
    // Read the output until `done`; false if it is not so in time.
    template <typename Done>
    bool within(int seconds, Done done) {
        for (const auto end = clock::now() + std::chrono::seconds(seconds); !done(); pump(10))
            if (clock::now() > end) return false;
        return true;
    }
    // A key wait is the only time canonical mode is off.
    bool waitingforkey() const { return (mode().c_lflag & ICANON) == 0; }
    void pump(int milliseconds) {
        struct pollfd p = {master, POLLIN, 0};
        char buffer[4096];
        const ssize_t got = poll(&p, 1, milliseconds) > 0 ? read(master, buffer, sizeof buffer) : 0;
        if (got > 0) seen.append(buffer, static_cast<std::size_t>(got));
        // Once the game has closed its terminal, reads fail at once: no spin.
        if (got < 0) usleep(10000);
    }
    bool reap() { return ended || (ended = waitpid(child, &status, WNOHANG) == child); }

    pid_t child = -1;
    int master = -1;
    struct termios found {};
    std::string seen;
    std::size_t searched = 0;
    bool ended = false;
    int status = 0;
};

}  // namespace emberfell::testing
