#include "console/words.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <utility>

namespace emberfell {

namespace {

// The lines the words say beside the game's own.
struct addedlines {
    std::string_view keywait;   // at every key wait
    std::string_view nochoice;  // after an answer that chose nothing
};
constexpr addedlines added = {
    "(Press any key.)",
    "That is not one of the choices.",
};

// Each scene's name, and whether its screens are turns, each told by what
// changed since the turn before.
struct scenewords {
    scene s;
    std::string_view name;
    bool turns;
};
constexpr scenewords scenes[] = {
    {scene::title, "title", false},
    {scene::startmenu, "start menu", false},
    {scene::mainmenu, "main menu", false},
    {scene::monsterlist, "monster list", false},
    {scene::fight, "fight", true},
    {scene::blacksmith, "blacksmith", false},
    {scene::magicshop, "magic shop", false},
    {scene::inn, "inn", false},
    {scene::questboard, "quest board", false},
    {scene::quest, "quest", false},
    {scene::sheet, "character sheet", false},
    {scene::theend, "the end", false},
};

constexpr bool everysceneinorder() {
    for (std::size_t n = 0; n < std::size(scenes); ++n) {
        if (scenes[n].s != static_cast<scene>(n)) return false;
    }
    return std::size(scenes) == static_cast<std::size_t>(scene::theend) + 1;
}
static_assert(everysceneinorder());

constexpr std::string_view blanks = " \t";
constexpr auto nowhere = std::string_view::npos;

// A rule: three or more of one symbol, and nothing else ("-----", "*****").
bool rule(std::string_view word) {
    return word.size() >= 3 && std::string_view("-*=_").find(word[0]) != nowhere &&
           word.find_first_not_of(word[0]) == nowhere;
}

// A printed line in words: its words one blank apart, without the blanks
// that centre, pad or line it up; a rule between words parts them with a
// comma ("3) Fireball, 300 MP"), and a rule at either end goes.
std::string plainline(std::string_view printed) {
    std::string words;
    bool ruled = false;
    for (std::size_t at = printed.find_first_not_of(blanks); at != nowhere;
         at = printed.find_first_not_of(blanks, at)) {
        const std::size_t end = std::min(printed.find_first_of(blanks, at), printed.size());
        const std::string_view word = printed.substr(at, end - at);
        at = end;
        if (rule(word)) {
            ruled = !words.empty();
            continue;
        }
        if (!words.empty()) words += ruled ? ", " : " ";
        words += word;
        ruled = false;
    }
    return words;
}

// A menu's choice: "3) Run", "(N)ew Game", "Ma(g)ic Shop".
bool choiceline(std::string_view words) {
    const std::size_t digits = words.find_first_not_of("0123456789");
    if (digits > 0 && digits != nowhere && words[digits] == ')') return true;
    for (std::size_t at = words.find('('); at != nowhere && at + 2 < words.size();
         at = words.find('(', at + 1)) {
        if (std::isalpha(static_cast<unsigned char>(words[at + 1])) && words[at + 2] == ')')
            return true;
    }
    return false;
}

// Takes `line` out of `lines` (each ended by "\n"); false if it is not there.
bool takeline(std::string& lines, std::string_view line) {
    for (std::size_t at = 0, end = lines.find('\n'); end != nowhere;
         at = end + 1, end = lines.find('\n', at)) {
        if (std::string_view(lines).substr(at, end - at) == line) {
            lines.erase(at, end - at + 1);
            return true;
        }
    }
    return false;
}

}  // namespace

std::string_view scenename(scene s) {
    return scenes[static_cast<std::size_t>(s)].name;
}

void Words::write(std::string_view text) {
    for (std::size_t end = text.find('\n'); end != nowhere; end = text.find('\n')) {
        open.append(text.substr(0, end));
        line(open);
        open.clear();
        text.remove_prefix(end + 1);
    }
    open.append(text);
}

void Words::drawing(std::string_view words) {
    write(words);
}

void Words::heading(std::string_view line) {
    if (named) return;
    named = true;
    write(line);
}

bool Words::enter(scene s) {
    const int index = static_cast<int>(s);
    const bool other = index != current;
    if (other) lastturn.clear();
    current = index;
    turnnext = scenes[static_cast<std::size_t>(index)].turns;
    return other;
}

void Words::newscreen() {
    endline();
    if (inturn) lastturn = thisturn;
    inturn = std::exchange(turnnext, false);
    if (inturn) {
        unseen = lastturn;
        thisturn.clear();
    }
    choices.clear();
    lastline.clear();
}

void Words::invalid() {
    endline();
    say(added.nochoice);
}

std::string Words::wait(awaited what) {
    std::string asks;
    if (what == awaited::key) {
        endline();
        blank = false;
        say(added.keywait);
        asks = added.keywait;
    } else {
        const std::string asked = prompt();
        asks = asked.empty() ? lastasks : question(asked);
        if (!asked.empty()) {
            if (blank) ready += '\n';
            ready += asked;  // the player's answer ends the line
            started = true;
            blank = false;
        }
    }
    if (inturn) lastturn = thisturn;
    inturn = false;
    choices.clear();
    lastline.clear();
    lastasks = asks;
    return asks;
}

std::string Words::take() {
    return std::exchange(ready, {});
}

// A whole line the game printed: said unless it is blank (a blank line is
// said once, before the next words) or, at the head of a turn, the same as
// a line of the turn before.
void Words::line(std::string_view printed) {
    const std::string words = plainline(printed);
    if (words.empty()) {
        blank = started;
        return;
    }
    if (choiceline(words)) choices.append(choices.empty() ? "" : ", ").append(words);
    lastline = words;
    if (inturn) {
        thisturn.append(words) += '\n';
        if (takeline(unseen, words)) return;
    }
    say(words);
}

void Words::say(std::string_view words) {
    if (blank) ready += '\n';
    ready.append(words);
    ready += '\n';
    started = true;
    blank = false;
}

// The line printed so far, said whole.
void Words::endline() {
    if (open.empty()) return;
    line(open);
    open.clear();
}

// The line printed so far as the prompt of a typed line: its words, and
// the blank before the answer.
std::string Words::prompt() {
    std::string words = plainline(open);
    if (!words.empty() && blanks.find(open.back()) != nowhere) words += ' ';
    open.clear();
    return words;
}

// What a prompt asks: its question; at a bare "?" the screen's choices (or
// without choices the line before), after any words that stand before it
// ("Gold: 100 ?").
std::string Words::question(const std::string& asked) const {
    std::string_view words = asked;
    while (!words.empty() && words.back() == ' ') words.remove_suffix(1);
    if (words != "?" && !words.ends_with(" ?")) return std::string(words);
    const std::string& shown = choices.empty() ? lastline : choices;
    if (shown.empty()) return std::string(words);
    words.remove_suffix(std::min<std::size_t>(words.size(), 2));
    return words.empty() ? shown : std::string(words).append(". ").append(shown);
}

}  // namespace emberfell
