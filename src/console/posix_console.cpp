// The console on a POSIX terminal: ANSI sequences to clear the screen, and a
// key wait that reads one key from the terminal itself with canonical mode
// and echo switched off for just that read. The terminal's own mode comes
// back after every key, at every exit, and on the signals that end or stop
// the game while it waits. Saves are written so that no other game saving
// at the same time, no crash and no link in the way can tear or misplace one.

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string_view>

#include "console/console.h"
#include "console/unfinished.h"

namespace emberfell {

namespace {

int terminalfd = -1;         // the keyboard, or -1 when there is no terminal
struct termios original {};  // the terminal's mode before the key wait
struct termios keymode {};   // the same without canonical mode and echo
volatile std::sig_atomic_t rawnow = 0;

void restoreterminal() {
    if (rawnow) {
        tcsetattr(terminalfd, TCSANOW, &original);
        rawnow = 0;
    }
}

// Whether the game is the terminal's foreground job. Only then is the mode
// the terminal's own: in the background it is whatever the shell uses for
// its own line editing.
bool foreground() {
    return tcgetpgrp(terminalfd) == getpgrp();
}

// Canonical mode and echo off for one key. The mode is taken afresh each
// time, so whatever the player set while the game was stopped comes back;
// but only in the foreground. A background job is stopped by the terminal
// here (asking to restart output, which is running already, changes
// nothing) until the shell brings it to the foreground.
void enterraw() {
    if (!foreground()) tcflow(terminalfd, TCOON);
    if (!foreground() || tcgetattr(terminalfd, &original) != 0) return;
    keymode = original;
    keymode.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    keymode.c_cc[VMIN] = 1;
    keymode.c_cc[VTIME] = 0;
    // Marked before the change, so that a signal arriving in between still
    // puts the mode back (putting back an unchanged mode does no harm); and
    // after both modes are whole, which the signal handlers read.
    std::atomic_signal_fence(std::memory_order_seq_cst);
    rawnow = 1;
    // TCSANOW, not TCSAFLUSH: keys typed ahead are kept.
    if (tcsetattr(terminalfd, TCSANOW, &keymode) != 0) rawnow = 0;
}

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

// Whether a signal left to its default action ends the game: all but those
// that stop it (Ctrl-Z is caught on its own, below), continue it or pass it
// by. Those that no program can catch are refused by sigaction itself.
bool endsthegame(int sig) {
    switch (sig) {
        case SIGTSTP:
        case SIGTTIN:
        case SIGTTOU:
        case SIGSTOP:
        case SIGCONT:
        case SIGCHLD:
        case SIGURG:
        case SIGWINCH:
#ifdef SIGINFO
        case SIGINFO:
#endif
            return false;
        default:
            return true;
    }
}

// The highest signal number there is, real-time signals included.
int lastsignal() {
#ifdef SIGRTMAX
    return SIGRTMAX < NSIG ? SIGRTMAX : NSIG - 1;
#else
    return NSIG - 1;
#endif
}

// What each signal the game catches did before: its default action, or a
// handler set before the game started (a sanitizer's), which is given the
// signal once the terminal is back.
struct sigaction previous[NSIG];

// A fault of the processor (a bad address, a division by zero, an illegal
// instruction), not the same signal sent by kill or raise: that comes again
// on return from the handler, now to the action it had before.
bool processorfault(int sig, const siginfo_t* info) {
    if (sig != SIGSEGV && sig != SIGBUS && sig != SIGFPE && sig != SIGILL) return false;
    return info && info->si_code > 0 && info->si_code != SI_USER && info->si_code != SI_QUEUE;
}

// A signal that ends the game puts the terminal back first and then takes
// its ordinary course, so the exit status (and a core dump) still tells of
// the signal: sent again, or for a fault, met again.
void onfatal(int sig, siginfo_t* info, void*) {
    restoreterminal();
    sigaction(sig, &previous[sig], nullptr);
    if (processorfault(sig, info)) return;
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

// Continued in the foreground during a key wait after a stop the game could
// not see coming (SIGSTOP): the shell may have put its own mode back, so the
// key mode is set again.
void oncontinue(int) {
    const int saved = errno;
    if (rawnow && foreground()) tcsetattr(terminalfd, TCSANOW, &keymode);
    errno = saved;
}

// A signal the game was started with ignored (nohup, a background job)
// stays ignored.
void catchunlessignored(int sig, void (*handler)(int)) {
    struct sigaction before {};
    if (sigaction(sig, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) return;
    handle(sig, handler);
}

// Every signal that would end the game is caught, but those ignored stay so.
void catchfatal() {
    for (int sig = 1; sig <= lastsignal(); ++sig) {
        if (!endsthegame(sig) || sigaction(sig, nullptr, &previous[sig]) != 0 ||
            previous[sig].sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_sigaction = onfatal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_SIGINFO | SA_RESTART;
        sigaction(sig, &action, nullptr);
    }
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

// An earlier program may have left the terminal (or standard input) not
// blocking, so that a read finds "nothing yet" where the game must wait.
void makeblocking(int fd) {
    const int flags = fcntl(fd, F_GETFL);
    if (flags >= 0 && (flags & O_NONBLOCK)) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
}

// Wait until the keyboard has a byte, at most `wait` milliseconds (or for
// ever when it is negative).
bool ready(int wait) {
    while (true) {
        struct pollfd p = {terminalfd, POLLIN, 0};
        const int got = poll(&p, 1, wait);
        if (got < 0 && errno == EINTR) continue;
        return got > 0;
    }
}

// One byte from the keyboard; with `wait` set, only if it comes within that
// many milliseconds (the rest of a key that sends several bytes).
bool readbyte(unsigned char& byte, int wait = -1) {
    while (true) {
        if (wait >= 0 && !ready(wait)) return false;
        const ssize_t got = read(terminalfd, &byte, 1);
        if (got == 1) return true;
        if (got < 0 && errno == EINTR) continue;
        // Not blocking after all (set again by another program): wait.
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && ready(wait)) continue;
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

// The unfinished files of games that were killed while they saved go; those
// of games that still run are theirs.
void tidy(const std::string& directory) {
    DIR* dir = opendir(directory.c_str());
    if (!dir) return;
    while (const dirent* entry = readdir(dir)) {
        const auto writer = static_cast<pid_t>(unfinishedwriter(entry->d_name));
        if (writer > 0 && writer != getpid() && kill(writer, 0) != 0 && errno == ESRCH)
            unlinkat(dirfd(dir), entry->d_name, 0);
    }
    closedir(dir);
}

// A file that is there but cannot take new text: not a plain file, write-
// protected (even against root, whom no protection stops), or refusing to
// be opened for writing. Opening does not wait (a named pipe with nobody
// reading it is refused) and does not truncate.
bool writeprotected(const std::string& path, const struct stat& old) {
    if (!S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0) return true;
    const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return true;
    close(fd);
    return false;
}

// A file created new, never through a link or over another file, with the
// usual mode of a new file (0666 less the umask).
int createunfinished(const std::string& directory, std::string& name) {
    for (int count = 0; count < 100; ++count) {
        name = unfinishedname(directory, '/', static_cast<unsigned long>(getpid()), count);
        const int fd =
            open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool writeall(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t put = write(fd, text.data(), text.size());
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        text.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

// The text reaches the disk in a file of its own, which then takes the old
// file's place in one step (keeping the old file's mode): whatever else
// happens, the file holds an old text or a new one whole, and the last
// writer to finish wins. Then the directory reaches the disk, so that the
// new name itself lasts.
Written writesafely(const std::string& path, const std::string& text) {
    struct stat old {};
    const bool replacing = stat(path.c_str(), &old) == 0;
    if (replacing ? writeprotected(path, old) : errno != ENOENT) return Written::unopened;
    const std::string directory = directoryof(path);
    tidy(directory);
    std::string temporary;
    const int fd = createunfinished(directory, temporary);
    if (fd < 0) return Written::unopened;
    if (replacing) {
        // Only a game run by root may give the new file the old one's
        // owner; anyone else's game makes it its own.
        [[maybe_unused]] const int owned = fchown(fd, old.st_uid, old.st_gid);
        fchmod(fd, old.st_mode & 0777);
    }
    bool written = writeall(fd, text) && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return Written::unwritten;
    }
    const int dir = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return Written::whole;
}

// A terminal that cannot clear its screen (TERM unset or "dumb") is sent no
// escape sequences; only a screen is, so that output sent to a file or a
// pipe stays plain text.
bool canclear() {
    const char* term = std::getenv("TERM");
    return isatty(STDOUT_FILENO) && term && *term && std::strcmp(term, "dumb") != 0;
}

class PosixConsole final : public Console {
  public:
    PosixConsole() {
        std::ios::sync_with_stdio(false);
        screen = canclear();
        makeblocking(STDIN_FILENO);
        terminalfd = openterminal();
        if (terminalfd >= 0 && tcgetattr(terminalfd, &original) != 0) terminalfd = -1;
        if (terminalfd >= 0) {
            makeblocking(terminalfd);
            std::atexit(restoreterminal);
            catchfatal();
            catchunlessignored(SIGTSTP, onstop);
            handle(SIGCONT, oncontinue);
        }
    }

    std::istream& in() override { return std::cin; }
    std::ostream& out() override { return std::cout; }

    void clear() override {
        // Home and clear the screen; what scrolled off stays there to be
        // read again.
        if (screen) std::cout << "\x1b[H\x1b[2J";
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

    Written writewhole(const std::string& path, const std::string& text) override {
        return writesafely(path, text);
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
