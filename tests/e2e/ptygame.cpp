#include "e2e/ptygame.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace emberfell::testing {

using clock = std::chrono::steady_clock;

PtyGame::PtyGame(const std::string& workdir, const std::vector<std::string>& argv,
                 const std::string& answers, bool nonblocking) {
    struct winsize size = {24, 80, 0, 0};
    child = forkpty(&master, nullptr, nullptr, &size);
    if (child != 0) return;
    if (chdir(workdir.c_str()) != 0) _exit(127);
    setenv("TERM", "xterm", 1);
    if (nonblocking) fcntl(STDIN_FILENO, F_SETFL, fcntl(STDIN_FILENO, F_GETFL) | O_NONBLOCK);
    if (!answers.empty()) {
        const int fd = open(answers.c_str(), O_RDONLY);
        if (fd < 0 || dup2(fd, STDIN_FILENO) < 0) _exit(127);
        close(fd);
    }
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

PtyGame::~PtyGame() {
    if (child > 0 && !exited) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    if (master >= 0) close(master);
}

void PtyGame::pump(int milliseconds) {
    struct pollfd p = {master, POLLIN, 0};
    if (poll(&p, 1, milliseconds) <= 0) return;
    char buffer[4096];
    const ssize_t got = read(master, buffer, sizeof buffer);
    if (got > 0) seen.append(buffer, static_cast<std::size_t>(got));
    // Once the game has closed its terminal, reads fail at once: no spin.
    if (got <= 0) usleep(10000);
}

bool PtyGame::expect(std::string_view text, int seconds) {
    const auto deadline = clock::now() + std::chrono::seconds(seconds);
    std::size_t at = 0;
    while ((at = seen.find(text, searched)) == std::string::npos) {
        if (clock::now() > deadline) return false;
        pump(50);
    }
    searched = at + text.size();
    return true;
}

void PtyGame::send(std::string_view keys) {
    while (!keys.empty()) {
        const ssize_t put = write(master, keys.data(), keys.size());
        if (put <= 0) return;
        keys.remove_prefix(static_cast<std::size_t>(put));
    }
}

::testing::AssertionResult PtyGame::play(
    std::initializer_list<std::pair<std::string_view, std::string_view>> steps) {
    for (auto [typed, shown] : steps) {
        send(typed);
        if (!expect(shown))
            return ::testing::AssertionFailure() << "no " << shown << " in\n" << seen;
    }
    return ::testing::AssertionSuccess();
}

struct termios PtyGame::mode() const {
    struct termios t {};
    tcgetattr(master, &t);
    return t;
}

bool PtyGame::reap() {
    if (!exited && waitpid(child, &status, WNOHANG) == child) exited = true;
    return exited;
}

bool PtyGame::untilkeywait(int seconds) {
    const auto deadline = clock::now() + std::chrono::seconds(seconds);
    for (; !waitingforkey(); pump(10)) {
        if (clock::now() > deadline || reap()) return false;
    }
    return true;
}

int PtyGame::wait(int seconds, bool presskeys) {
    const auto deadline = clock::now() + std::chrono::seconds(seconds);
    std::size_t printed = seen.size();
    auto lastkey = clock::now();
    while (!reap()) {
        if (clock::now() > deadline) return -1;
        pump(10);
        // A key for each wait: after new text, or when the game still waits
        // a while after the last key (two waits with nothing between).
        const bool fresh =
            seen.size() != printed || clock::now() > lastkey + std::chrono::milliseconds(300);
        if (presskeys && fresh && waitingforkey()) {
            printed = seen.size();
            lastkey = clock::now();
            send(" ");
        }
    }
    pump(0);
    return status;
}

::testing::AssertionResult asfound(const struct termios& now) {
    int master = -1;
    int slave = -1;
    struct termios fresh {};
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) == 0) {
        tcgetattr(slave, &fresh);
        close(slave);
        close(master);
    }
    if (now.c_iflag == fresh.c_iflag && now.c_oflag == fresh.c_oflag &&
        now.c_cflag == fresh.c_cflag && now.c_lflag == fresh.c_lflag &&
        std::memcmp(now.c_cc, fresh.c_cc, sizeof now.c_cc) == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << std::hex << "left with lflag " << now.c_lflag << ", found with " << fresh.c_lflag;
}

void expectcleanend(const PtyGame& game, int status) {
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status << "\n" << game.output();
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(asfound(game.mode()));
}

std::string newknight(const std::string& name, int gold) {
    return "10\n1\n1\n1\n1\n" + std::to_string(gold) +
           "\n1\n0\n4\n5\n0\n10\n5\n0\n0\n0\n1\n0\n0\n0\n0\n0\n0\n0\n0\n0\n1\n1\n" + name + "\n";
}

Scratch::Scratch() {
    dir = (std::filesystem::temp_directory_path() / "emberfell-e2e-XXXXXX").string();
    if (!mkdtemp(dir.data())) std::abort();
}

void Scratch::save(const std::string& name, const std::string& text) const {
    std::filesystem::create_directory(dir + "/saves");
    std::ofstream(dir + "/saves/" + name, std::ios::binary) << text;
}

std::string Scratch::read(const std::string& path) const {
    std::ifstream file(dir + "/" + path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

Scratch::~Scratch() {
    std::filesystem::remove_all(dir);
}

}  // namespace emberfell::testing
