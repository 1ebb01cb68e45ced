#include "shell/menus.h"

#include <ostream>
#include <string>

#include "character/savefile.h"
#include "character/sheet.h"
#include "character/title.h"
#include "console/console.h"
#include "console/input.h"
#include "encounters/encounters.h"
#include "quests/quests.h"
#include "shell/screens.h"
#include "town/town.h"

namespace emberfell {

namespace {

// A new knight: ask for a name until one is typed.
void newknight(vars& v) {
    title();
    std::string name;
    do {
        out() << "Enter character name: ";
        name = readname();
    } while (name.empty());
    setname(v, name.c_str());
    out() << "Welcome, " << v.name << ", your adventure is just beginning...\n\n";
    waitkey();
}

}  // namespace

void startmenu(vars& v) {
    bool knight = false;
    while (!knight) {
        enter(scene::startmenu);
        title();
        out() << "(N)ew Game\n(L)oad Game\n(S)tory\n(I)nstructions\n(C)redits\n? ";
        const char answer = readanswer();
        discardline();
        switch (answer) {
            case 'n':
            case 'N':
                newknight(v);
                knight = true;
                break;
            case 'l':
            case 'L':
                knight = zload(v);
                break;
            case 's':
            case 'S':
                story();
                break;
            case 'i':
            case 'I':
                instruction();
                break;
            case 'c':
            case 'C':
                credit();
                break;
            default:
                invalid();
                break;
        }
    }
}

void mainmenu(vars& v) {
    char answer = 0;
    do {
        statcheck(v);
        enter(scene::mainmenu);
        title();
        out() << "(M)onsters\n(Q)uest\n(B)lacksmith\nMa(g)ic Shop\n"
              << "(I)nn\n(S)tats\nS(a)ve\n(E)xit\n? ";
        answer = readanswer();
        discardline();
        switch (answer) {
            case 'm':
            case 'M':
                monster(v);
                break;
            case 'q':
            case 'Q':
                quests(v);
                break;
            case 'b':
            case 'B':
                blacksmith(v);
                break;
            case 'g':
            case 'G':
                magicshop(v);
                break;
            case 'i':
            case 'I':
                inn(v);
                break;
            case 's':
            case 'S':
                stats(v);
                break;
            case 'a':
            case 'A':
                zsave(v);
                break;
            case 'e':
            case 'E':
                out() << "\nGoodbye!!\n\n";
                waitkey();
                break;
            default:
                invalid();
                break;
        }
    } while (answer != 'e' && answer != 'E');
}

int play() {
    vars v;
    titlescreen();
    startmenu(v);
    mainmenu(v);
    return 0;
}

}  // namespace emberfell
