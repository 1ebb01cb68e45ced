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
// prompt, whatever key waits come between. A line the page already has
// whole (a paste's lines, typed ahead) is taken at once, without the game
// waiting, when the page has nothing else to do first, and echoed here.
// What the game writes reaches the page's terminal in one piece before
// each wait; what a clear of the screen wipes before then never does.
//
// Saves are kept in the browser: the page mounts its own storage at the
// saves directory before the game starts, and every save is made to last
// at once (persistsaves).
//
// Beside the terminal the page keeps a transcript for listening (a screen
// reader's, a braille display's): the game's words (words.h), the same
// stream --plain prints. What the page is told for it, all optional (a page
// without them plays as before):
//   page.words(text)      A string (decoded from UTF-8): the words since
//                         the last, exactly as --plain prints them; whole
//                         lines end in "\n". Passed on whenever the game is
//                         about to wait for the page (as the screen's text
//                         is). A form feed ("\f") stands where the game
//                         cleared the screen, so that the page knows where
//                         the screen in view begins. Before a typed line the
//                         words end with its prompt ("? ", "Enter character
//                         name: "), its line open: the player's answer ends
//                         it, as a terminal's echo does, so the page adds
//                         the answer and "\n". A line the game took at once
//                         (typed ahead) is in the words already, after a
//                         record separator ("\x1e") that parts it from its
//                         prompt, and "\n".
//   page.scene(name)      A new scene begins: its name in plain words, for
//                         the page's title: "title", "start menu", "main
//                         menu", "monster list", "fight", "blacksmith",
//                         "magic shop", "inn", "quest board", "quest",
//                         "character sheet", "the end". Comes before the
//                         scene's first words.
//   page.asks(kind, text) Just before each wait, after its words: kind is
//                         'key' or 'line'; text is what the wait asks in
//                         words: a line's question ("Enter character name:",
//                         "Are you sure you want to save?"), or at a bare
//                         "?" the screen's choices ("(N)ew Game, (L)oad Game,
//                         (S)tory, (I)nstructions, (C)redits"); for a key
//                         the key wait's own line, "(Press any key.)".
// An answer that chose nothing is said in the words themselves.

#include "console/console.h"

#include <emscripten.h>
#include <sys/stat.h>

#include <istream>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

#include "console/plain.h"
#include "console/words.h"

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
    Module['lineready'] = line;
    return lengthBytesUTF8(line);
});

// The next line at once, if the page has it whole (a paste's lines typed
// ahead), as pageawaitline gives it; -2 when the game must wait for it.
EM_JS(int, pagereadyline, (), {
    const readyline = Module['page']['readyline'];
    const line = readyline ? readyline() : undefined;
    if (line === undefined) return -2;
    if (line === null) return -1;
    Module['lineready'] = line;
    return lengthBytesUTF8(line);
});

// The line, in UTF-8, and a NUL after it.
EM_JS(void, pagetakeline, (char* into, int size), {
    stringToUTF8(Module['lineready'], into, size + 1);
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

// The transcript's side, each told only to a page that has it.
EM_JS(void, pagewords, (const char* text, int size), {
    const words = Module['page']['words'];
    if (words) words(UTF8ToString(text, size));
});

EM_JS(void, pagescene, (const char* name, int size), {
    const scene = Module['page']['scene'];
    if (scene) scene(UTF8ToString(name, size));
});

EM_JS(void, pageasks, (int line, const char* text, int size), {
    const asks = Module['page']['asks'];
    if (asks) asks(line ? 'line' : 'key', UTF8ToString(text, size));
});

EM_JS(double, pagenow, (), {
    return Date.now();
});
// clang-format on

// The words for listening, and what the page is told of them.
class Transcript {
  public:
    Words words;

    // The words said so far, to the page.
    void tell() {
        held += words.take();
        if (!held.empty()) pagewords(held.data(), static_cast<int>(held.size()));
        held.clear();
    }

    // The screen cleared.
    void newscreen() {
        words.newscreen();
        (held += words.take()) += '\f';
    }

    // The game is about to wait: the words up to the wait, to be told
    // before the page waits; gives what the wait asks.
    std::string upto(awaited what) {
        std::string asked = words.wait(what);
        held += words.take();
        return asked;
    }

    // A line taken at once: its answer after its prompt, in the words.
    void answered(std::string_view line) {
        if (line.ends_with('\n')) line.remove_suffix(1);
        ((held += words.take()) += '\x1e').append(line) += '\n';
    }

    // The words so far, then what the wait asks, to the page, which waits.
    void ask(awaited what, const std::string& asked) {
        tell();
        pageasks(what == awaited::line, asked.data(), static_cast<int>(asked.size()));
    }

  private:
    // Said, and not yet told: the page hears the words before each of its
    // waits, not at each screen a paste's lines go through.
    std::string held;
};

// Written text: into the words as it is written, and on to the page's
// terminal, in one piece, whenever the game is about to wait.
class ScreenBuffer final : public std::streambuf {
  public:
    explicit ScreenBuffer(Words& words) : words(words) { setp(buffer, buffer + sizeof buffer); }

    // Text for the terminal alone (a drawing, the clearing of the screen),
    // after what was written before it.
    void screenonly(std::string_view text) {
        towords();
        terminal.append(text);
    }

    // The screen cleared: what was written since the page's terminal last
    // had text is wiped before it is seen, and never sent (the game writes
    // no command to the terminal but this one).
    void cleared(std::string_view clear) {
        towords();
        terminal = clear;
    }

    // A typed line, echoed as the page echoes one: its letters, and the
    // line's end where Enter ended it.
    void echo(std::string_view line) {
        const bool ended = line.ends_with('\n');
        terminal.append(line.substr(0, line.size() - (ended ? 1 : 0)));
        if (ended) terminal.append("\r\n");
    }

    // What is written so far, into the words (and kept for the terminal).
    void towords() {
        const std::string_view text(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        words.write(text);
        terminal.append(text);
        setp(buffer, buffer + sizeof buffer);
    }

  protected:
    int_type overflow(int_type c) override {
        towords();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    // The game is about to wait: what it wrote, to the page's terminal.
    int sync() override {
        towords();
        if (!terminal.empty()) pagewrite(terminal.data(), static_cast<int>(terminal.size()));
        terminal.clear();
        return 0;
    }

  private:
    Words& words;
    char buffer[4096];
    std::string terminal;
};

// Typed lines, one at a time, as the game reads them.
class KeyboardBuffer final : public std::streambuf {
  public:
    KeyboardBuffer(ScreenBuffer& screen, Transcript& transcript)
        : screen(screen), transcript(transcript) {}

  protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        screen.towords();
        const std::string asked = transcript.upto(awaited::line);
        // Ctrl-D ends a line typed so far without a line end; an empty one
        // then is no input at all, and the next line is waited for.
        do {
            if (!takeline(asked)) return traits_type::eof();
        } while (line.empty());
        setg(line.data(), line.data(), line.data() + line.size());
        return traits_type::to_int_type(*gptr());
    }

  private:
    // The next line, false at the end of input. A line the page has whole
    // already (typed ahead) is taken at once and echoed here, after what
    // the game wrote; else the game's text goes to the page, which asks
    // for the line, echoes it as it is typed, and gives it.
    bool takeline(const std::string& asked) {
        int size = pagereadyline();
        const bool atonce = size != -2;
        if (!atonce) {
            screen.pubsync();
            transcript.ask(awaited::line, asked);
            size = pageawaitline();
        }
        if (size < 0) return false;
        // Room for the line and the NUL the page puts after it.
        line.assign(static_cast<std::size_t>(size) + 1, '\0');
        pagetakeline(line.data(), size);
        line.pop_back();
        if (atonce) {
            screen.echo(line);
            transcript.answered(line);
        }
        return true;
    }

    ScreenBuffer& screen;
    Transcript& transcript;
    std::string line;
};

class WebConsole final : public Console {
  public:
    std::istream& in() override { return keyboard; }
    std::ostream& out() override { return screen; }
    // The page has no error output of its own: its terminal.
    std::ostream& err() override { return screen; }

    void clear() override {
        screenbuffer.towords();
        transcript.newscreen();
        screenbuffer.cleared("\x1b[H\x1b[2J\x1b[3J");
    }

    void waitkey() override {
        screen.flush();
        transcript.ask(awaited::key, transcript.upto(awaited::key));
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
        transcript.tell();
        pagegameover(status);
        // pagegameover never comes back; the game has ended on the page.
        __builtin_unreachable();
    }

    void drawing(std::string_view drawn, std::string_view words) override {
        screenbuffer.screenonly(drawn);
        transcript.words.drawing(words);
    }

    void heading(std::string_view line) override {
        screenbuffer.screenonly(line);
        transcript.words.heading(line);
    }

    void enter(scene s) override {
        screenbuffer.towords();
        if (!transcript.words.enter(s)) return;
        transcript.tell();
        const std::string_view name = scenename(s);
        pagescene(name.data(), static_cast<int>(name.size()));
    }

    void invalid() override {
        screenbuffer.towords();
        transcript.words.invalid();
    }

  private:
    // The saves directory, with the save just written at this path, into
    // the browser's storage; true when it got there.
    bool persistsaves(const std::string& path) {
        screen.flush();
        return pagepersist(path.c_str()) != 0;
    }

    Transcript transcript;
    ScreenBuffer screenbuffer{transcript.words};
    std::ostream screen{&screenbuffer};
    KeyboardBuffer keyboardbuffer{screenbuffer, transcript};
    std::istream keyboard{&keyboardbuffer};
};

}  // namespace

int playplain(int (*game)()) {
    return game();
}

Console& platformconsole() {
    static WebConsole console;
    return console;
}

}  // namespace emberfell
