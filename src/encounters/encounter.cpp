// The one encounter routine that every monster of the bestiary fights by.

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "character/record.h"
#include "character/title.h"
#include "combat/combat.h"
#include "console/console.h"
#include "encounters/encounters.h"

namespace emberfell {
namespace {

// Print a text, waiting for a key wherever it holds the wait mark.
void show(std::string_view text) {
    for (std::size_t at = text.find(keywait); at != std::string_view::npos;
         at = text.find(keywait)) {
        out() << text.substr(0, at);
        waitkey();
        text.remove_prefix(at + 1);
    }
    out() << text;
}

// The damage of a blow, read from the record at the moment it lands.
int damageof(const blow& b, const vars& v) {
    switch (b.kind) {
        case harm::fixed:
            return b.damage;
        case harm::halfhp:
            return v.hp / 2;
        case harm::strength:
            return plus(v.str, v.atk);
        case harm::twicestrength:
            return clamp32((std::int64_t{v.str} + v.atk) * 2);
        case harm::quartermaxhp:
            return v.maxhp / 4;
        case harm::quarterhp:
            return v.hp / 4;
    }
    return b.damage;
}

// The blow's lines, and what it does to the monster itself; gives the damage.
int strikeline(std::string_view name, const blow& b, int& enemyhp, vars& v) {
    if (b.monsterhp > 0) {
        out() << " " << name << ": +" << b.monsterhp << " enemy HP\n";
        enemyhp = plus(enemyhp, b.monsterhp);
    }
    const int damage = b.monsterhp > 0 ? 0 : damageof(b, v);
    if (b.monsterhp <= 0) out() << " " << name << ": -" << damage << " HP\n";
    if (b.monsterhp < 0) {
        out() << std::string(name.size() + 3, ' ') << b.monsterhp << " enemy HP\n";
        enemyhp = plus(enemyhp, b.monsterhp);
    }
    if (b.spares) v.hp = plus(v.hp, 1);
    return damage;
}

// What the knight loses: the damage less the defense value, at least 1
// (or the whole damage where the monster ignores defense).
void takeblow(guard g, int damage, vars& v) {
    if (g == guard::shownzero || g == guard::ignored) {
        out() << "Defense value: " << (g == guard::ignored ? "ignored" : "0") << "\n";
        v.hp = minus(v.hp, damage);
        return;
    }
    std::int64_t shield = defense(v);
    out() << "Defense value: " << shield << "\n";
    if (shield >= damage) shield = std::int64_t{damage} - 1;
    if (g == guard::half) shield /= 2;
    v.hp = clamp32(std::int64_t{v.hp} - damage + shield);
}

void monsterblow(const monsterrow& m, const monstertexts& t, int& enemyhp, vars& v) {
    const int roll = random();
    out() << "Enemy attacks\n";
    const int damage = strikeline(t.blownames[roll - 1], m.blows[roll - 1], enemyhp, v);
    takeblow(m.special.defense, damage, v);
}

void regenerate(const monsterrow& m, const monstertexts& t, int& enemyhp) {
    out() << t.regenline << ": +" << m.special.regenerates << " enemy hp\n\n";
    enemyhp = plus(enemyhp, m.special.regenerates);
    if (enemyhp > m.starthp) enemyhp = m.starthp;
}

void victory(const monsterrow& m, const monstertexts& t, vars& v) {
    title();
    show(t.closing);
    if (m.special.pays == winnings::goldandexp) {
        const int found = plus(v.level, m.goldbonus);
        out() << "\nFound " << found << " gold\n";
        v.gold = plus(v.gold, found);
    }
    if (m.special.pays != winnings::nothing) {
        out() << "Gained " << m.experience << " experience\n";
        v.exp = plus(v.exp, m.experience);
    }
    waitkey();
    lvlup(v);
}

}  // namespace

void encounter(beast b, vars& v) {
    const monsterrow& m = numbersof(b);
    const monstertexts& t = textsof(b);
    int enemyhp = m.starthp;
    outcome result = outcome::fighting;
    enter(scene::fight);
    title();
    show(t.intro);
    while (result != outcome::won) {
        battle(enemyhp, v, result);
        out() << "\n";
        if (result == outcome::fled && m.special.canrun) break;
        if (result == outcome::fled) {
            out() << "Can't run!!\n\n";
            result = outcome::fighting;
        }
        if (result == outcome::fighting) {
            monsterblow(m, t, enemyhp, v);
            result = winlose(enemyhp, v);
        }
        out() << "\n";
        if (result != outcome::won && m.special.regenerates != 0) regenerate(m, t, enemyhp);
        if (result == outcome::won || !m.special.companions) continue;
        group(enemyhp, v);
        result = winlose(enemyhp, v);
    }
    if (result == outcome::won) victory(m, t, v);
    statcheck(v);
}

}  // namespace emberfell
