// The quest board: the one notice whose number `quest` holds.
#include <ostream>

#include "character/title.h"
#include "character/yes.h"
#include "console/console.h"
#include "quests/quests.h"
#include "quests/script.h"

namespace emberfell {

namespace {

constexpr const quest* book[] = {
    &goblinden, &animaltrouble, &ogreforest, &centaurraiding,
    &harpies,   &corruption,    &demontrace, &dragonking,
};

}  // namespace

std::span<const quest* const> questbook() {
    return book;
}

void quests(vars& v) {
    enter(scene::questboard);
    title();
    out() << "Quest Board:\n";
    if (v.quest < 1 || v.quest > static_cast<int>(std::size(book))) {
        out() << "No messages on the quest board\n";
        waitkey();
        return;
    }
    const quest& q = *book[v.quest - 1];
    out() << q.notice << "Would you like to take this quest? ";
    if (readyes()) takequest(v, q);
}

}  // namespace emberfell
