// The console in a web page: the game runs as WebAssembly and its terminal
// is the page's. Text goes to the page's terminal as it is written; a key
// wait and a typed line each wait for the page, which the game's code does
// without knowing (the build suspends the game's call stack while the page
// waits for the player, and resumes it when the key or the line comes).
//
// The page keeps what the player types in one queue, in order: a key wait
// takes exactly one key from it (an escape sequence is one key), a read of
// the game's input takes the next line, edited with echo on the page (Enter
// ends it; Ctrl-D on an empty line is the end of input). The rest of a line
// the game has not read yet stays here, in the input's buffer, for the next
// prompt, whatever key waits come between.
//
// Saves are kept in the browser: the page mounts its own storage at the
// saves directory before the game starts, and every save is made to last
// at once (persistsaves).

#include <emscripten.h>
#include <sys/stat.h>

#include <istream>
#include <ostream>
#include <streambuf>
#include <string>

#include "console/console.h"

namespace emberfell {

namespace {

// The page's side of each operation. Every name the page provides is read
// with a quoted property name, so that minifying the glue keeps it.
// clang-format off

EM_JS(void, pagewrite, (const char* text, int size), {
    Module['page']['write'](HEAPU8.slice(text, text + size));
});

// The next line the player ends with Enter, kept on the page's side until
// pagetakeline copies it in; its size in bytes, or -1 at the end of input.
EM_ASYNC_JS(int, pageawaitline, (), {
    const line = await Module['page']['line']();
    if (line === null) return -1;
    Module['lineready'] = new TextEncoder().encode(line);
    return Module['lineready'].length;
});

EM_JS(void, pagetakeline, (char* into), {
    HEAPU8.set(Module['lineready'], into);
    Module['lineready'] = null;
});

EM_ASYNC_JS(void, pageawaitkey, (), {
    await Module['page']['key']();
});

// True when the save just written at this path has reached the browser's
// storage (or when the page has none and has told the player saves will
// not last).
EM_ASYNC_JS(int, pagepersist, (const char* path), {
    return (await Module['page']['persist'](UTF8ToString(path))) ? 1 : 0;
});

// The game is over: the page says so and starts a new game, in a new
// instance, on the next key; this one waits for nothing, for ever.
EM_ASYNC_JS(void, pagegameover, (int status), {
    Module['page']['over'](status);
    await new Promise(() => {});
});

EM_JS(double, pagenow, (), {
    return Date.now();
});
// clang-format on

// Written text, passed on to the page whenever the game is about to wait.
class ScreenBuffer final : public std::streambuf {
  public:
    ScreenBuffer() { setp(buffer, buffer + sizeof buffer); }

  protected:
    int_type overflow(int_type c) override {
        flushtopage();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    int sync() override {
        flushtopage();
        return 0;
    }

  private:
    void flushtopage() {
        const int size = static_cast<int>(pptr() - pbase());
        if (size > 0) pagewrite(pbase(), size);
        setp(buffer, buffer + sizeof buffer);
    }

    char buffer[4096];
};

// Typed lines, one at a time, as the game reads them.
class KeyboardBuffer final : public std::streambuf {
  public:
    explicit KeyboardBuffer(std::ostream& screen) : screen(screen) {}

  protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        screen.flush();
        const int size = pageawaitline();
        if (size < 0) return traits_type::eof();
        line.assign(static_cast<std::size_t>(size), '\0');
        if (size > 0) pagetakeline(line.data());
        // Ctrl-D ends a line typed so far without a line end; an empty one
        // then is no input at all, and the next line is waited for.
        if (line.empty()) return underflow();
        setg(line.data(), line.data(), line.data() + line.size());
        return traits_type::to_int_type(*gptr());
    }

  private:
    std::ostream& screen;
    std::string line;
};

class WebConsole final : public Console {
  public:
    std::istream& in() override { return keyboard; }
    std::ostream& out() override { return screen; }

    void clear() override { screen << "\x1b[H\x1b[2J\x1b[3J"; }

    void waitkey() override {
        screen.flush();
        pageawaitkey();
    }

    void makedir(const std::string& path) override { mkdir(path.c_str(), 0777); }

    // Written in the page's memory first, then into the browser's storage;
    // a save that does not reach the storage is a failed write.
    Written writewhole(const std::string& path, const std::string& text) override {
        const Written written = writewholeportably(path, text);
        if (written != Written::whole) return written;
        return persistsaves(path) ? Written::whole : Written::unwritten;
    }

    std::time_t now() override { return static_cast<std::time_t>(pagenow() / 1000); }

    [[noreturn]] void end(int status) override {
        screen.flush();
        pagegameover(status);
        // pagegameover never comes back; the game has ended on the page.
        __builtin_unreachable();
    }

  private:
    // The saves directory, with the save just written at this path, into
    // the browser's storage; true when it got there.
    bool persistsaves(const std::string& path) {
        screen.flush();
        return pagepersist(path.c_str()) != 0;
    }

    ScreenBuffer screenbuffer;
    std::ostream screen{&screenbuffer};
    KeyboardBuffer keyboardbuffer{screen};
    std::istream keyboard{&keyboardbuffer};
};

}  // namespace

Console& platformconsole() {
    static WebConsole console;
    return console;
}

}  // namespace emberfell
