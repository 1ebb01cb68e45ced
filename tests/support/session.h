#pragma once
// Playing the game through the scripted console: typed input in, the whole
// transcript out, with "[clear]" where the screen is cleared and "[key]" where
// the game waits for a key.

#include <filesystem>
#include <string>
#include <vector>

#include "console/scripted.h"

namespace emberfell::testing {

class Session {
  public:
    explicit Session(std::string typed = "");
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Run a piece of the game and return what it printed since the last run.
    // A program end inside it is caught: ended() and status() tell of it.
    template <class Play>
    std::string run(Play&& play) {
        try {
            play();
        } catch (const ProgramEnd& e) {
            endstatus = e.status;
            programended = true;
        }
        return con.take();
    }

    bool ended() const { return programended; }
    int status() const { return endstatus; }

    ScriptedConsole con;

  private:
    bool programended = false;
    int endstatus = -1;
};

// The screens of a transcript: the text after each clear.
std::vector<std::string> screens(const std::string& transcript);

// The title line and the empty line under it, as every screen begins.
inline const std::string titleline = "[clear]                             Emberfell\n\n";

// A fresh empty working directory for the length of a test (saves go to
// "saves" below the working directory).
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return dir; }

  private:
    std::filesystem::path dir;
    std::filesystem::path previous;
};

// A file's whole contents, or "" when it cannot be read.
std::string readfile(const std::filesystem::path& p);
void writefile(const std::filesystem::path& p, const std::string& text);

}  // namespace emberfell::testing
