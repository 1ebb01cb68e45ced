// The console on Windows: the console API clears the window, _getch reads one
// key without echo, and the output code page is set to 437 so that the
// frames' box-drawing bytes show as boxes. The console window outlives the
// game, so its own code page comes back when the game ends, however it ends.
// Saves are written with CR LF line ends, whole, and only under names that
// Windows keeps as they are.

#include <conio.h>
#include <io.h>
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "console/console.h"
#include "console/unfinished.h"

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

// The names of devices, which Windows finds in every directory, also with
// an extension ("nul.txt").
constexpr std::string_view devices[] = {
    "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
    "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};

bool devicename(const std::string& name) {
    std::string stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    for (char& c : stem) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (std::string_view device : devices) {
        if (stem == device) return true;
    }
    return false;
}

// Windows refuses some characters in a name, and quietly drops a dot or a
// blank at its end ("Ann." and "Ann " would both be the file "Ann").
bool windowsname(const std::string& name) {
    for (unsigned char c : name) {
        if (c < 32 ||
            std::string_view("<>:\"/\\|?*").find(static_cast<char>(c)) != std::string_view::npos)
            return false;
    }
    return name.back() != '.' && name.back() != ' ' && !devicename(name);
}

std::string directoryof(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool running(DWORD pid) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (!process) return GetLastError() != ERROR_INVALID_PARAMETER;
    const bool alive = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return alive;
}

// The unfinished files of games that were killed while they saved go; those
// of games that still run are theirs.
void tidy(const std::string& directory) {
    WIN32_FIND_DATAA found;
    HANDLE search =
        FindFirstFileA((directory + "\\" + std::string(unfinishedprefix) + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const auto writer = static_cast<DWORD>(unfinishedwriter(found.cFileName));
        if (writer > 0 && writer != GetCurrentProcessId() && !running(writer))
            DeleteFileA((directory + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// A file that is there but cannot take new text: a directory or a device,
// read-only, or refusing to be opened for writing.
bool writeprotected(const std::string& path, DWORD attributes) {
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_READONLY))
        return true;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return true;
    CloseHandle(file);
    return false;
}

// A file created new, never over another file or a link.
HANDLE createunfinished(const std::string& directory, std::string& name) {
    for (int count = 0; count < 100; ++count) {
        name = unfinishedname(directory, '\\', GetCurrentProcessId(), count);
        HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

// The text with the Windows line end, CR LF.
std::string windowslines(const std::string& text) {
    std::string lines;
    for (char c : text) {
        if (c == '\n') lines += '\r';
        lines += c;
    }
    return lines;
}

// The text reaches the disk in a file of its own, which then takes the old
// file's place in one step: whatever else happens, the file holds an old
// text or a new one whole, and the last writer to finish wins.
Written writesafely(const std::string& path, const std::string& text) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES ? writeprotected(path, attributes)
                                              : GetLastError() != ERROR_FILE_NOT_FOUND)
        return Written::unopened;
    const std::string directory = directoryof(path);
    tidy(directory);
    std::string temporary;
    HANDLE file = createunfinished(directory, temporary);
    if (file == INVALID_HANDLE_VALUE) return Written::unopened;
    const std::string lines = windowslines(text);
    DWORD put = 0;
    bool written = WriteFile(file, lines.data(), static_cast<DWORD>(lines.size()), &put, nullptr) &&
                   put == lines.size() && FlushFileBuffers(file);
    written = CloseHandle(file) && written;
    if (!written || !MoveFileExA(temporary.c_str(), path.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary.c_str());
        return Written::unwritten;
    }
    return Written::whole;
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
    std::ostream& err() override { return std::cerr; }

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

    bool takesname(const std::string& name) override {
        return Console::takesname(name) && windowsname(name);
    }

    Written writewhole(const std::string& path, const std::string& text) override {
        return writesafely(path, text);
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
