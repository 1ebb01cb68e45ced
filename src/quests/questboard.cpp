// The quest board: the one notice whose number `quest` holds.
#include <ostream>

#include "character/title.h"
#include "console/console.h"
#include "console/input.h"
#include "quests/notices.h"
#include "quests/quests.h"

namespace emberfell {

void quests(vars& v) {
    enter(scene::questboard);
    title();
    out() << "Quest Board:\n";
    const std::span<const notice> board = questnotices();
    if (v.quest < 1 || v.quest > static_cast<int>(board.size())) {
        out() << "No messages on the quest board\n";
        waitkey();
        return;
    }
    const notice& n = board[static_cast<std::size_t>(v.quest - 1)];
    out() << n.text << "Would you like to take this quest? ";
    const char answer = readanswer();
    if (answer == 'y' || answer == 'Y') n.script(v);
}

}  // namespace emberfell
