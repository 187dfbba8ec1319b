#include <gtest/gtest.h>

#include "catalog/class_catalog.h"
#include "catalog/equipment_catalog.h"
#include "catalog/race_catalog.h"
#include "catalog/skill_catalog.h"
#include "catalog/talent_catalog.h"

namespace {

template <class Entry> std::vector<std::string_view> KeysOf() {
    std::vector<std::string_view> keys;
    for (const CatalogKey<Entry>& k : Entry::Keys())
        keys.push_back(k.key);
    return keys;
}

// A key that a later key contains would take that later key's lines: every key must stay reachable.
TEST(CatalogKeyTables, EveryKeyIsReachableAndStartsWithALessThanSign) {
    struct Case {
        const char* kind;
        std::vector<std::string_view> keys;
        size_t count;
    } cases[] = {
        {"race", KeysOf<CharacterRace>(), 55},      {"class", KeysOf<CharacterClass>(), 55},
        {"skill", KeysOf<CharacterSkill>(), 14},    {"spell", KeysOf<CharacterSpell>(), 12},
        {"talent", KeysOf<CharacterTalent>(), 8},   {"proficiency", KeysOf<CharacterProf>(), 5},
        {"equipment", KeysOf<CharacterEquip>(), 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(c.keys.size(), c.count);
        for (size_t i = 0; i < c.keys.size(); ++i) {
            EXPECT_EQ(c.keys[i].substr(0, 1), "<") << c.keys[i];
            for (size_t j = i + 1; j < c.keys.size(); ++j)
                EXPECT_EQ(c.keys[j].find(c.keys[i]), std::string_view::npos)
                    << c.keys[i] << " would take the lines of " << c.keys[j];
        }
    }
}

} // namespace
