// The name a save file gives its knight, for the web page: the page's import
// asks the game (savename) rather than keep a rule of its own. Built only
// into the web page's game, where the page reaches it as knightname.

#include <emscripten.h>

#include <string>

#include "character/savefile.h"
#include "console/console.h"

namespace emberfell {

// The name for the save file's `size` bytes at `text`, loaded by the name
// `filename`; "" when it gives none, or one no save can be kept under
// (takesname). It lasts until the next call.
extern "C" EMSCRIPTEN_KEEPALIVE const char* knightname(const char* text, int size,
                                                       const char* filename) {
    static std::string name;
    name = savename(std::string(text, static_cast<std::size_t>(size)), filename);
    if (!takesname(name)) name.clear();
    return name.c_str();
}

}  // namespace emberfell
