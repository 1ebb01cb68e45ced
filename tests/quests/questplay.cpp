#include "quests/questplay.h"

#include <algorithm>
#include <utility>

#include "console/scripted.h"

namespace emberfell::testing {

vars strongknight(int quest) {
    vars v;
    v.quest = quest;
    setname(v, "Ayla");
    v.level = 100;
    v.exp = 0;
    v.expneed = 0;
    v.str = v.vit = v.wis = v.wil = 500;
    v.atk = 15000;
    v.def = 85;
    v.maxhp = v.hp = 10000;
    v.maxmp = v.mp = 5000;
    return v;
}

std::string attacks(int count) {
    std::string typed;
    for (int i = 0; i < count; ++i) typed += "1\n";
    return typed;
}

std::string flights(int count) {
    std::string typed;
    for (int i = 0; i < count; ++i) typed += "3\ny\n";
    return typed;
}

std::vector<std::string> monstersmet(const std::string& transcript) {
    // The intro's first line, as it follows the title line, for each monster
    // the quests meet.
    static const std::pair<const char*, const char*> intros[] = {
        {"squirrel", "You found a rabid squirrel\n"},
        {"rabbit", "You found a killer rabbit\n"},
        {"snake", "You found a snake\n"},
        {"imp", "You found an imp\n"},
        {"goblin", "You found a goblin\n"},
        {"bear", "You found a bear\n"},
        {"nightstalker", "You found a night stalker\n"},
        {"thief", "You found a thief\n"},
        {"ogre", "You found an ogre\n"},
        {"centaur", "You found a centaur\n"},
        {"harpy", "You found a harpy\n"},
        {"knight", "You found one of the corrupted knights\n"},
        {"wizard", "You found an evil wizard\n"},
        {"giant", "The mountain in front of you moves. It's a giant!!\n"},
        {"demon", "You found a demon\n"},
        {"sapphiredrag", "It's a sapphire dragon!!\n"},
        {"emeralddrag", "It's an emerald dragon!!\n"},
        {"rubydrag", "It's a ruby dragon!!\n"},
        {"diamonddrag", "It's a diamond dragon!!\n"},
        {"onyxdrag", "It's an onyx dragon!!\n"},
        {"golddrag", "It's a gold dragon!!\n"},
        {"moondrag", "It's a moon dragon!!\n"},
        {"crystaldrag", "It's a crystal dragon!!\n"},
        {"guildmaster", "The guild master attacks!!\n"},
        {"skeleton", "You attack a skeleton!!\n"},
        {"troll", "It's a troll!!\n"},
        {"demonlord", "You attack the demon lord!!\n"},
        {"kingdrag1", "The King of Dragons roars and attacks!!\n"},
        {"kingdrag2", "You attack the King of Dragons!!\n"},
    };
    std::vector<std::pair<std::size_t, std::string>> found;
    for (const auto& [monster, intro] : intros) {
        const std::string line = std::string(intro) + std::string(ScriptedConsole::keymark);
        for (std::size_t at = transcript.find(line); at != std::string::npos;
             at = transcript.find(line, at + 1))
            found.emplace_back(at, monster);
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (auto& [at, monster] : found) names.push_back(std::move(monster));
    return names;
}

bool hasscreens(const std::string& transcript, const std::vector<std::string>& wanted) {
    const std::string mark(ScriptedConsole::clearmark);
    std::size_t from = 0;
    for (const std::string& screen : wanted) {
        const std::string whole = mark + screen;
        std::size_t at = transcript.find(whole, from);
        while (at != std::string::npos) {
            const std::size_t after = at + whole.size();
            if (after == transcript.size() || transcript.compare(after, mark.size(), mark) == 0) {
                from = after;
                break;
            }
            at = transcript.find(whole, at + 1);
        }
        if (at == std::string::npos) return false;
    }
    return true;
}

}  // namespace emberfell::testing
