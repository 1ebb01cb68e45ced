// The console on Windows: the console API clears the window, _getch reads one
// key without echo, and the output code page is set to 437 so that the
// frames' box-drawing bytes show as boxes. The console window outlives the
// game, so its own code page comes back when the game ends, however it ends.

#include <conio.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "console/console.h"

namespace emberfell {

namespace {

UINT originalpage = 0;  // the window's output code page before the game

void restorepage() {
    if (originalpage) SetConsoleOutputCP(originalpage);
}

// Ctrl-C, Ctrl-Break, the window closed, a log-off: the code page first,
// then the usual end.
BOOL WINAPI onclose(DWORD) {
    restorepage();
    return FALSE;
}

class WindowsConsole final : public Console {
  public:
    WindowsConsole() {
        std::ios::sync_with_stdio(false);
        output = GetStdHandle(STD_OUTPUT_HANDLE);
        CONSOLE_SCREEN_BUFFER_INFO info;
        screen = GetConsoleScreenBufferInfo(output, &info) != 0;
        keyboard = GetConsoleWindow() != nullptr;
        if (screen) {
            originalpage = GetConsoleOutputCP();
            std::atexit(restorepage);
            SetConsoleCtrlHandler(onclose, TRUE);
            SetConsoleOutputCP(437);
        }
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

    // The new file reaches the disk before it takes the old one's place, so
    // a crash leaves either the old save or the new one, never a torn one.
    bool replacefile(const std::string& from, const std::string& to) override {
        HANDLE file = CreateFileA(from.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        const bool flushed = FlushFileBuffers(file) != 0;
        CloseHandle(file);
        return flushed && MoveFileExA(from.c_str(), to.c_str(),
                                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }

    std::time_t now() override { return std::time(nullptr); }

    [[noreturn]] void end(int status) override {
        std::cout.flush();
        restorepage();
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
