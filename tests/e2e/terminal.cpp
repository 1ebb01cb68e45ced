#include "e2e/terminal.h"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

namespace emberfell::testing {

Terminal::Terminal(const std::string& workdir) {
    struct winsize size = {24, 80, 0, 0};
    child = forkpty(&master, nullptr, nullptr, &size);
    if (child == 0) {
        if (chdir(workdir.c_str()) != 0) _exit(127);
        execl(EMBERFELL_BINARY, EMBERFELL_BINARY, static_cast<char*>(nullptr));
        _exit(127);
    }
}

Terminal::~Terminal() {
    if (child > 0 && !exited) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    if (master >= 0) close(master);
}

void Terminal::readsome(int milliseconds) {
    struct pollfd p = {master, POLLIN, 0};
    if (poll(&p, 1, milliseconds) <= 0) return;
    char buffer[4096];
    ssize_t got = read(master, buffer, sizeof buffer);
    if (got > 0) seen.append(buffer, static_cast<std::size_t>(got));
}

bool Terminal::expect(std::string_view text, int seconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (true) {
        std::size_t at = seen.find(text, searched);
        if (at != std::string::npos) {
            searched = at + text.size();
            return true;
        }
        if (std::chrono::steady_clock::now() > deadline) return false;
        readsome(50);
    }
}

void Terminal::send(std::string_view keys) {
    while (!keys.empty()) {
        ssize_t put = write(master, keys.data(), keys.size());
        if (put <= 0) return;
        keys.remove_prefix(static_cast<std::size_t>(put));
    }
}

int Terminal::wait(int seconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!exited) {
        pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) {
            exited = true;
            break;
        }
        if (std::chrono::steady_clock::now() > deadline) return -1;
        readsome(50);
    }
    readsome(0);
    return status;
}

struct termios Terminal::mode() const {
    struct termios t {};
    tcgetattr(master, &t);
    return t;
}

}  // namespace emberfell::testing
