#pragma once
// The spell table, in the order the spells are learned.

namespace emberfell {

enum class spelleffect { damage, cure, life };

struct spell {
    const char* listline;  // the spell list's line, before the cost
    int costbase;          // MP, times the cost factor
    spelleffect effect;
    int powerbase;  // damage, or Cure's fixed part; times the power factor
};

extern const spell spelltable[12];

}  // namespace emberfell
