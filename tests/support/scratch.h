#pragma once
// A fresh empty working directory for the length of a test (the game's saves
// go below it), with files put in place and read by their path below it.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace emberfell::testing {

class Scratch {
  public:
    // A random name that no directory has yet (there is no mkdtemp everywhere).
    Scratch() : previous(std::filesystem::current_path()) {
        std::random_device random;
        do
            dir =
                (std::filesystem::temp_directory_path() / ("emberfell-" + std::to_string(random())))
                    .string();
        while (!std::filesystem::create_directory(dir));
        std::filesystem::current_path(dir);
    }
    ~Scratch() {
        std::filesystem::current_path(previous);
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    // Put a file in place, and the directories it needs.
    void write(const std::string& path, const std::string& text) const {
        std::filesystem::create_directories(std::filesystem::path(dir + "/" + path).parent_path());
        std::ofstream(dir + "/" + path, std::ios::binary) << text;
    }
    // A file's whole contents ("" when it cannot be read).
    std::string read(const std::string& path) const {
        std::ifstream file(dir + "/" + path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }

    std::string dir;

  private:
    std::filesystem::path previous;
};

}  // namespace emberfell::testing
