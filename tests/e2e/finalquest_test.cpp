// The real binary on a pseudo-terminal: a knight saved at the last quest is
// loaded, fights his way through the King of Dragons' mountain with Super
// Nova, and sees the ending, the score and the program's end with status 0.
//
// The dice follow the real clock here, so the knight is made strong enough to
// win whatever they say, and the player answers by what the screen shows:
// once the game has been quiet for a moment it is waiting, and the last line
// tells for what: a line answer at a prompt, or else a single key.

#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace emberfell::testing {
namespace {

std::string scratchdir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "emberfell-e2e-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern;
}

// The game on a pseudo-terminal of its own, read until it falls quiet.
class Player {
  public:
    explicit Player(const std::string& workdir) {
        struct winsize size = {24, 80, 0, 0};
        child = forkpty(&master, nullptr, nullptr, &size);
        if (child == 0) {
            if (chdir(workdir.c_str()) != 0) _exit(127);
            execl(EMBERFELL_BINARY, EMBERFELL_BINARY, static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~Player() {
        if (child > 0 && !exited) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
        if (master >= 0) close(master);
    }
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Wait for the game's answer to what was sent (at most `first`
    // milliseconds), then read until nothing more has come for `quiet`
    // milliseconds. False when nothing came: the program is gone or stuck.
    bool settle(int quiet = 200, int first = 15000) {
        bool got = false;
        while (true) {
            struct pollfd p = {master, POLLIN, 0};
            if (poll(&p, 1, got ? quiet : first) <= 0) return got;
            char buffer[4096];
            const ssize_t bytes = read(master, buffer, sizeof buffer);
            if (bytes <= 0) return got;
            seen.append(buffer, static_cast<std::size_t>(bytes));
            got = true;
        }
    }
    bool endswith(std::string_view tail) const {
        return seen.size() >= tail.size() &&
               std::string_view(seen).substr(seen.size() - tail.size()) == tail;
    }
    void send(std::string_view keys) {
        while (!keys.empty()) {
            const ssize_t put = write(master, keys.data(), keys.size());
            if (put <= 0) return;
            keys.remove_prefix(static_cast<std::size_t>(put));
        }
    }
    bool ended() {
        if (!exited && waitpid(child, &status, WNOHANG) == child) exited = true;
        return exited;
    }
    // The program's wait status, or -1 if it is still running after ten
    // seconds. Its terminal closes a moment before the process is gone, so
    // this waits by the clock, not by reads (which fail at once by then).
    int exitstatus() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!ended() && std::chrono::steady_clock::now() < deadline) {
            settle(20, 20);
            usleep(20000);
        }
        return exited ? status : -1;
    }
    const std::string& output() const { return seen; }

  private:
    pid_t child = -1;
    int master = -1;
    std::string seen;
    bool exited = false;
    int status = 0;
};

// Level 100, every stat at its cap, all twelve spells, all nine companions,
// the last weapon and armour, 250 monsters killed, and the last quest on the
// board.
const char* const strongsave =
    "10000\n500\n500\n75\n85\n1000\n100\n0\n0\n5000\n250\n10000\n5000\n12\n11\n11\n8\n"
    "1\n1\n1\n1\n1\n1\n1\n1\n1\n500\n500\nHero\n";

// The answer the game waits for when its output ends this way; anything
// else is a key wait.
struct prompt {
    std::string_view tail;
    std::string_view answer;
};
constexpr prompt prompts[] = {
    {"(C)redits\r\n? ", "l\r"},
    {"Enter character name to load: ", "Hero\r"},
    {"(E)xit\r\n? ", "q\r"},
    {"Would you like to take this quest? ", "y\r"},
    {"3) Run\r\n? ", "2\r"},
    {"0) Don't cast anything\r\n? ", "12\r"},
    {"Go 1) left or 2) right? ", "1\r"},
};

TEST(RealTerminal, TheFinalQuestEndsTheGameWithTheScore) {
    const std::string dir = scratchdir();
    std::filesystem::create_directory(dir + "/saves");
    std::ofstream(dir + "/saves/Hero", std::ios::binary) << strongsave;

    Player game(dir);
    int mainmenus = 0;
    int forks = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(100);
    while (game.settle()) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << game.output();
        std::string_view answer = " ";
        for (const prompt& p : prompts)
            if (game.endswith(p.tail)) answer = p.answer;
        if (game.endswith("(E)xit\r\n? ")) ++mainmenus;
        if (game.endswith("Go 1) left or 2) right? ")) ++forks;
        ASSERT_LE(mainmenus, 1) << "the main menu came back:\n" << game.output();
        game.send(answer);
    }
    // Nothing came after the last answer: the game has ended, or it is stuck
    // (an answer taken as the wrong thing).
    const int status = game.exitstatus();
    ASSERT_TRUE(WIFEXITED(status)) << game.output();
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(forks, 1);
    const std::string& out = game.output();
    EXPECT_NE(out.find("You come upon several diamond dragons"), std::string::npos);
    EXPECT_NE(out.find("Hero\r\nThis hero killed the\r\n"), std::string::npos);
    const std::size_t completed =
        out.find("                              Game Completed!!\r\n\r\n");
    ASSERT_NE(completed, std::string::npos) << out;
    // Sixteen dragon fights, all won: 250 + 16.
    EXPECT_NE(out.find("Score: 266", completed), std::string::npos) << out.substr(completed);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace emberfell::testing
