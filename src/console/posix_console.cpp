// The console on a POSIX terminal: ANSI sequences to clear the screen, and a
// key wait that reads one key from the terminal itself with canonical mode
// and echo switched off for just that read. The terminal's own mode comes
// back after every key, at every exit, and on the signals that end or stop
// the game while it waits.

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "console/console.h"

namespace emberfell {

namespace {

int terminalfd = -1;         // the keyboard, or -1 when there is no terminal
struct termios original {};  // the terminal's mode before the key wait
volatile std::sig_atomic_t rawnow = 0;

void restoreterminal() {
    if (rawnow) {
        tcsetattr(terminalfd, TCSANOW, &original);
        rawnow = 0;
    }
}

// Canonical mode and echo off for one key. The mode is taken afresh each
// time, so whatever the player set while the game was stopped comes back.
void enterraw() {
    if (tcgetattr(terminalfd, &original) != 0) return;
    struct termios raw = original;
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    // Marked before the change, so that a signal arriving in between still
    // puts the mode back (putting back an unchanged mode does no harm).
    rawnow = 1;
    // TCSANOW, not TCSAFLUSH: keys typed ahead are kept.
    if (tcsetattr(terminalfd, TCSANOW, &raw) != 0) rawnow = 0;
}

// A signal that ends the game puts the terminal back first and then takes
// its ordinary course, so the exit status still tells of the signal.
void unblock(int sig) {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, sig);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

void handle(int sig, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(sig, &action, nullptr);
}

void onfatal(int sig) {
    restoreterminal();
    handle(sig, SIG_DFL);
    unblock(sig);
    std::raise(sig);
}

// Ctrl-Z during a key wait: stop with the terminal in its own mode, and take
// the key mode up again when the game is continued.
void onstop(int sig) {
    const int saved = errno;
    const bool waiting = rawnow;
    restoreterminal();
    handle(sig, SIG_DFL);
    unblock(sig);
    std::raise(sig);
    handle(sig, onstop);
    if (waiting) enterraw();
    errno = saved;
}

// A signal the game was started with ignored (nohup, a background job)
// stays ignored.
void catchunlessignored(int sig, void (*handler)(int)) {
    struct sigaction before {};
    if (sigaction(sig, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) return;
    handle(sig, handler);
}

int openterminal() {
    if (isatty(STDIN_FILENO)) return STDIN_FILENO;
    int fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd >= 0 && !isatty(fd)) {
        close(fd);
        fd = -1;
    }
    return fd;
}

// One byte from the keyboard; with `wait` set, only if it comes within that
// many milliseconds (the rest of a key that sends several bytes).
bool readbyte(unsigned char& byte, int wait = -1) {
    while (true) {
        if (wait >= 0) {
            struct pollfd p = {terminalfd, POLLIN, 0};
            const int ready = poll(&p, 1, wait);
            if (ready < 0 && errno == EINTR) continue;
            if (ready <= 0) return false;
        }
        const ssize_t got = read(terminalfd, &byte, 1);
        if (got == 1) return true;
        if (got < 0 && errno == EINTR) continue;
        return false;
    }
}

// The bytes of one key press beyond its first one follow at once; this long
// is waited for them (a slow line may split a sequence).
constexpr int followwait = 100;

// An arrow or function key sends an escape sequence: ESC [ parameters and a
// final byte, ESC O and a byte, or ESC and one character (Alt with a key).
// Exactly the bytes of that sequence are taken, so keys typed after it stay.
void readescape() {
    unsigned char c;
    if (!readbyte(c, followwait)) return;  // the Escape key alone
    if (c == 'O') {
        readbyte(c, followwait);
    } else if (c == '[') {
        for (int n = 0; n < 32 && readbyte(c, followwait); ++n) {
            if (c >= 0x40 && c <= 0x7e) break;
        }
    }
}

// A letter beyond ASCII comes as two to four bytes of UTF-8: one key.
int continuationbytes(unsigned char first) {
    if (first >= 0xf0 && first <= 0xf4) return 3;
    if (first >= 0xe0 && first <= 0xef) return 2;
    if (first >= 0xc2 && first <= 0xdf) return 1;
    return 0;
}

// One key press; false when the terminal has gone.
bool readkey() {
    unsigned char first;
    if (!readbyte(first)) return false;
    if (first == 0x1b) {
        readescape();
        return true;
    }
    unsigned char c;
    for (int more = continuationbytes(first); more > 0 && readbyte(c, followwait); --more) {
    }
    return true;
}

// The directory a path names a file in, "." for a bare file name.
std::string directoryof(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

class PosixConsole final : public Console {
  public:
    PosixConsole() {
        std::ios::sync_with_stdio(false);
        screen = isatty(STDOUT_FILENO);
        terminalfd = openterminal();
        if (terminalfd >= 0 && tcgetattr(terminalfd, &original) != 0) terminalfd = -1;
        if (terminalfd >= 0) {
            std::atexit(restoreterminal);
            for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) catchunlessignored(sig, onfatal);
            catchunlessignored(SIGTSTP, onstop);
        }
    }

    std::istream& in() override { return std::cin; }
    std::ostream& out() override { return std::cout; }

    void clear() override {
        // Home, clear the screen, clear the scrollback; only on a screen, so
        // that output sent to a file or a pipe stays plain text.
        if (screen) std::cout << "\x1b[H\x1b[2J\x1b[3J";
    }

    void waitkey() override {
        std::cout.flush();
        if (terminalfd < 0) return;
        enterraw();
        const bool pressed = readkey();
        restoreterminal();
        // The terminal has gone (hung up): from now on there is none.
        if (!pressed) terminalfd = -1;
    }

    void makedir(const std::string& path) override { mkdir(path.c_str(), 0777); }

    // The new file reaches the disk before it takes the old one's place, so
    // a crash leaves either the old save or the new one, never a torn one;
    // then the directory, so that the new name itself lasts.
    bool replacefile(const std::string& from, const std::string& to) override {
        int fd = open(from.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return false;
        const bool synced = fsync(fd) == 0;
        close(fd);
        if (!synced || std::rename(from.c_str(), to.c_str()) != 0) return false;
        int dir = open(directoryof(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            fsync(dir);
            close(dir);
        }
        return true;
    }

    std::time_t now() override { return std::time(nullptr); }

    [[noreturn]] void end(int status) override {
        std::cout.flush();
        restoreterminal();
        std::exit(status);
    }

  private:
    bool screen = false;
};

}  // namespace

Console& platformconsole() {
    static PosixConsole console;
    return console;
}

}  // namespace emberfell
