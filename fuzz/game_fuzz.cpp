// The whole game, played from the fuzzer's bytes through the scripted console.
//
// The input is what the player types, from the title screen on. It may begin
// with sections, each opened by its header line:
//
//   [save]    a save file's text; it is put in saves/ and loaded from the
//             start menu, so the typed input begins at the main menu
//   [rolls]   the dice: each digit 1, 2 or 3 is the next roll, in order
//   [keys]    the typed input
//   [plain]   (a header alone) the game's words alone, as --plain plays it
//
// Every run must end at the end of its input (the scripted console's end of
// the program is caught here) without a crash, a sanitizer's report or a hang.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "console/console.h"
#include "console/plain.h"
#include "console/scripted.h"
#include "shell/menus.h"

namespace {

using emberfell::ProgramEnd;
using emberfell::ScriptedConsole;

// The name the fuzzed save is stored under and loaded by.
constexpr std::string_view loadname = "Fuzzed";
// More rolls than any input of the fuzzer's length can use.
constexpr std::size_t mostrolls = 4096;

struct Game {
    std::string save;
    bool hassave = false;
    std::string rolls;
    std::string keys;
    bool plain = false;
};

bool startswith(std::string_view text, std::string_view head) {
    return text.substr(0, head.size()) == head;
}

// Split the input into its sections; without a leading header it is all keys.
Game sections(std::string_view data) {
    Game game;
    std::string* into = nullptr;
    if (!startswith(data, "[save]\n") && !startswith(data, "[rolls]\n") &&
        !startswith(data, "[keys]\n") && !startswith(data, "[plain]\n")) {
        game.keys = data;
        return game;
    }
    while (!data.empty()) {
        std::size_t end = data.find('\n');
        std::string_view line =
            data.substr(0, end == std::string_view::npos ? data.size() : end + 1);
        data.remove_prefix(line.size());
        if (into != &game.keys && line == "[save]\n") {
            into = &game.save;
            game.hassave = true;
        } else if (into != &game.keys && line == "[rolls]\n") {
            into = &game.rolls;
        } else if (into != &game.keys && line == "[keys]\n") {
            into = &game.keys;
        } else if (into != &game.keys && line == "[plain]\n") {
            game.plain = true;
        } else if (into) {
            into->append(line);
        }
    }
    return game;
}

void writefile(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
}

// Saves go below the working directory: every run plays in a scratch
// directory of our own, and the fuzzer's own paths (corpus, artifacts) keep
// meaning what they meant.
std::filesystem::path workdir;
std::filesystem::path startdir;

void removeworkdir() {
    std::error_code ignored;
    std::filesystem::remove_all(workdir, ignored);
}

struct InWorkdir {
    InWorkdir() { std::filesystem::current_path(workdir); }
    ~InWorkdir() { std::filesystem::current_path(startdir); }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "emberfell-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    workdir = pattern;
    startdir = std::filesystem::current_path();
    std::atexit(removeworkdir);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Game game = sections(std::string_view(reinterpret_cast<const char*>(data), size));
    const InWorkdir here;
    std::error_code ignored;
    std::filesystem::remove_all("saves", ignored);

    std::string typed = game.keys;
    if (game.hassave) {
        std::filesystem::create_directory("saves", ignored);
        writefile("saves/" + std::string(loadname), game.save);
        typed = "l\n" + std::string(loadname) + "\n" + typed;
    }
    ScriptedConsole con(typed);
    std::size_t rolls = 0;
    for (char c : game.rolls) {
        if (c >= '1' && c <= '3' && rolls++ < mostrolls) con.roll(c - '0');
    }
    emberfell::PlainConsole plain(con);
    emberfell::setconsole(game.plain ? static_cast<emberfell::Console&>(plain) : con);
    try {
        emberfell::play();
    } catch (const ProgramEnd&) {
        // The end of the input, the death screen or the score screen.
    }
    emberfell::resetconsole();
    return 0;
}
