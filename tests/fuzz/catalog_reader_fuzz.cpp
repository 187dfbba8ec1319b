// Feeds arbitrary bytes, as the content of one catalogue file, through the line reader and the key
// assignment of every catalogue kind.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "catalog/catalog_reader.h"
#include "catalog/class_catalog.h"
#include "catalog/equipment_catalog.h"
#include "catalog/race_catalog.h"
#include "catalog/skill_catalog.h"
#include "catalog/talent_catalog.h"

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

template <class Entry>
Entry Read(const uint8_t* data, size_t size, size_t chunk, size_t limit, std::string_view endTag) {
    size_t pos = 0;
    CatalogLineReader reader(
        [&](char* buffer, size_t room) {
            const size_t n = std::min({room, chunk, size - pos});
            std::memcpy(buffer, data + pos, n);
            pos += n;
            return n;
        },
        limit);
    Entry entry;
    ReadCatalogLines(reader, endTag, [&](std::string_view line) {
        Require(line.size() <= limit);
        std::string_view tag, value;
        if (SplitCatalogLine(line, tag, value))
            Require(tag.size() + value.size() < line.size());
        Entry::xmlConvert(line, entry);
    });
    return entry;
}

template <class List> bool Counted(const List& list, int32_t count) {
    return static_cast<size_t>(count) == list.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first byte picks how the input is handed out: now and then in small pieces, so lines also
    // cross buffer fills, and otherwise whole, which keeps the runs fast.
    const size_t chunk = size > 0 && data[0] < 32 ? size_t(data[0]) + 1 : size + 1;

    const CharacterRace race = Read<CharacterRace>(data, size, chunk, kCatalogLineLimit, "</CHARACTER_RACE");
    Require(Counted(race.LANGUAGES, race.nLANGUAGES) && Counted(race.RTEXT, race.nRTEXT) &&
            Counted(race.RTALENTS, race.nRTALENTS) && Counted(race.RDOWNSIDE, race.nRDOWNSIDE) &&
            Counted(race.LEVELLIMIT, race.nLEVELLIMIT) && Counted(race.TALENT, race.nTALENT));

    const CharacterClass cls =
        Read<CharacterClass>(data, size, chunk, kCatalogLineLimit, "</CHARACTER_CLASS");
    Require(Counted(cls.WEAPON, cls.nWEAPON) && cls.WISDIE == 0);

    const CharacterSkill skill =
        Read<CharacterSkill>(data, size, chunk, kCatalogLineLimit, "</CHARACTER_SKILL");
    Require(Counted(skill.COURSE_PREREQS, skill.nCOURSE_PREREQS) &&
            Counted(skill.SKILL_SUITE_SUBS, skill.nSKILL_SUITE_SUBS));

    Read<CharacterSpell>(data, size, chunk, kCatalogLineLimit, "</CHARACTER_SPELL");
    Read<CharacterTalent>(data, size, chunk, kTalentLineLimit, "</CHARACTER_TALENT");
    Read<CharacterProf>(data, size, chunk, kCatalogLineLimit, "</CHARACTER_PROF");

    const CharacterEquip equip =
        Read<CharacterEquip>(data, size, chunk, kCatalogLineLimit, "</CHARACTER_EQUIP");
    Require(Counted(equip.CATEGORY, equip.nCATEGORY));
    Require(equip.COIN.empty() || equip.COIN == "Gold" || equip.COIN == "Silver" || equip.COIN == "Copper");
    return 0;
}
