// The console on Windows: the console API clears the window, _getch reads one
// key without echo, and the output code page is set to 437 so that the
// frames' box-drawing bytes show as boxes.

#include <conio.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "console/console.h"

namespace emberfell {

namespace {

class WindowsConsole final : public Console {
public:
    WindowsConsole() {
        std::ios::sync_with_stdio(false);
        output = GetStdHandle(STD_OUTPUT_HANDLE);
        CONSOLE_SCREEN_BUFFER_INFO info;
        screen = GetConsoleScreenBufferInfo(output, &info) != 0;
        keyboard = GetConsoleWindow() != nullptr;
        if (screen) SetConsoleOutputCP(437);
    }

    std::istream& in() override { return std::cin; }
    std::ostream& out() override { return std::cout; }

    void clear() override {
        std::cout.flush();
        CONSOLE_SCREEN_BUFFER_INFO info;
        if (!screen || !GetConsoleScreenBufferInfo(output, &info)) return;
        COORD home = {0, 0};
        DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
        DWORD written = 0;
        FillConsoleOutputCharacterA(output, ' ', cells, home, &written);
        FillConsoleOutputAttribute(output, info.wAttributes, cells, home, &written);
        SetConsoleCursorPosition(output, home);
    }

    void waitkey() override {
        std::cout.flush();
        if (!keyboard) return;
        int key = _getch();
        // Arrow and function keys arrive as a prefix and a code: one key.
        if (key == 0 || key == 0xE0) _getch();
    }

    void makedir(const std::string& path) override { CreateDirectoryA(path.c_str(), nullptr); }

    bool replacefile(const std::string& from, const std::string& to) override {
        return MoveFileExA(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }

    std::time_t now() override { return std::time(nullptr); }

    [[noreturn]] void end(int status) override {
        std::cout.flush();
        std::exit(status);
    }

private:
    HANDLE output = nullptr;
    bool screen = false;
    bool keyboard = false;
};

}  // namespace

Console& platformconsole() {
    static WindowsConsole console;
    return console;
}

}  // namespace emberfell
