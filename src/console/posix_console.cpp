// The console on a POSIX terminal: ANSI sequences to clear the screen, and a
// key wait that reads one byte from the terminal itself with canonical mode
// and echo switched off for just that read. The terminal's own mode comes
// back after every key, at every exit, and on the signals that end or stop
// the game while it waits.

#include <fcntl.h>
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

int terminalfd = -1;        // the keyboard, or -1 when there is no terminal
struct termios original{};  // the terminal's mode before a key wait
volatile std::sig_atomic_t rawnow = 0;

void restoreterminal() {
    if (rawnow) {
        tcsetattr(terminalfd, TCSANOW, &original);
        rawnow = 0;
    }
}

void enterraw() {
    struct termios raw = original;
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    // TCSANOW, not TCSAFLUSH: keys typed ahead are kept.
    if (tcsetattr(terminalfd, TCSANOW, &raw) == 0) rawnow = 1;
}

// A signal that ends the game puts the terminal back first and then takes
// its ordinary course, so the exit status still tells of the signal.
void unblock(int sig) {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, sig);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

void onfatal(int sig) {
    restoreterminal();
    std::signal(sig, SIG_DFL);
    unblock(sig);
    std::raise(sig);
}

// Ctrl-Z during a key wait: stop with the terminal in its own mode, and take
// the key mode up again when the game is continued.
void onstop(int sig) {
    bool waiting = rawnow;
    restoreterminal();
    std::signal(sig, SIG_DFL);
    unblock(sig);
    std::raise(sig);
    std::signal(sig, onstop);
    if (waiting) enterraw();
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

class PosixConsole final : public Console {
public:
    PosixConsole() {
        std::ios::sync_with_stdio(false);
        screen = isatty(STDOUT_FILENO);
        terminalfd = openterminal();
        if (terminalfd >= 0 && tcgetattr(terminalfd, &original) != 0) terminalfd = -1;
        if (terminalfd >= 0) {
            std::atexit(restoreterminal);
            for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) std::signal(sig, onfatal);
            std::signal(SIGTSTP, onstop);
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
        unsigned char key[16];
        ssize_t got = readkey(key, 1);
        if (got == 1 && key[0] == 0x1b) drainsequence(key);
        restoreterminal();
        if (got <= 0) {
            // The terminal has gone (hung up): from now on there is none.
            terminalfd = -1;
        }
    }

    void makedir(const std::string& path) override { mkdir(path.c_str(), 0777); }

    // The new file reaches the disk before it takes the old one's place, so
    // a crash leaves either the old save or the new one, never a torn one.
    bool replacefile(const std::string& from, const std::string& to) override {
        int fd = open(from.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return false;
        const bool synced = fsync(fd) == 0;
        close(fd);
        return synced && std::rename(from.c_str(), to.c_str()) == 0;
    }

    std::time_t now() override { return std::time(nullptr); }

    [[noreturn]] void end(int status) override {
        std::cout.flush();
        restoreterminal();
        std::exit(status);
    }

private:
    static ssize_t readkey(unsigned char* key, size_t size) {
        ssize_t got;
        do got = read(terminalfd, key, size);
        while (got < 0 && errno == EINTR);
        return got;
    }

    // An arrow or function key sends an escape sequence: the whole sequence
    // is one key press, not several.
    static void drainsequence(unsigned char* key) {
        struct termios brief{};
        if (tcgetattr(terminalfd, &brief) != 0) return;
        brief.c_cc[VMIN] = 0;
        brief.c_cc[VTIME] = 1;
        tcsetattr(terminalfd, TCSANOW, &brief);
        readkey(key, 16);
    }

    bool screen = false;
};

}  // namespace

Console& platformconsole() {
    static PosixConsole console;
    return console;
}

}  // namespace emberfell
