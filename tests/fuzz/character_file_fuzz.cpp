// Feeds arbitrary bytes, as the content of one saved character file, through the character file reader
// and the saved-character list's parse. Whatever a read makes of the bytes, writing it out and reading
// that back must give the same file again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

#include "app/character.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
#include "files/character_file_check.h"
#include "files/character_xml_reader.h"
#include "files/character_xml_writer.h"
#include "files/saved_characters.h"

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

void ResetCharacter() {
    ClearItemLists();
    current_character = Character_Class();
}

// A few catalogue entries, so that the link pass and the background blocks have something to find.
void AddCatalogues() {
    for (const char* sex : {"Female", "Male"}) {
        auto race = std::make_unique<CharacterRace>();
        race->NAME = "Elf";
        race->SEX = sex;
        race->MOVE = 12;
        race->RTEXT = {"Infravision & more"};
        race->nRTEXT = 1;
        CharacterRace::AddTail(std::move(race));
    }
    const struct {
        const char* name;
        int32_t mage, fighter, cleric;
    } classes[] = {{"Mage", 1, 0, 0}, {"Fighter", 0, 1, 0}, {"Cleric", 0, 0, 1}, {"Fighter/Mage", 1, 1, 0}};
    for (const auto& c : classes) {
        auto cls = std::make_unique<CharacterClass>();
        cls->NAME = c.name;
        cls->MAGE = c.mage;
        cls->FIGHTER = c.fighter;
        cls->CLERIC = c.cleric;
        cls->SAVEAS = 2;
        CharacterClass::AddTail(std::move(cls));
    }
}

CatalogLineReader Lines(const uint8_t* data, size_t size, size_t chunk, size_t& pos) {
    return CatalogLineReader(
        [data, size, chunk, &pos](char* buffer, size_t room) {
            const size_t n = std::min({room, chunk, size - pos});
            std::memcpy(buffer, data + pos, n);
            pos += n;
            return n;
        },
        kCharacterFileLineLimit);
}

std::string ReadAndWrite(const uint8_t* data, size_t size, size_t chunk) {
    ResetCharacter();
    size_t pos = 0;
    CatalogLineReader lines = Lines(data, size, chunk, pos);
    XMLRead().ReadXMLSheet(lines);
    for (const SiblingText& s : current_character.SIBLING_TEXT)
        Require(s.str().size() <= SiblingText::kMaxLength);
    return CharacterXMLText();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        // The lists' trace lines would only slow the runs down.
        std::cout.setstate(std::ios::failbit);
        AddCatalogues();
        return true;
    }();
    (void)ready;
    // The first byte picks how the input is handed out: now and then in small pieces, so lines also
    // cross buffer fills, and otherwise whole, which keeps the runs fast.
    const size_t chunk = size > 0 && data[0] < 32 ? size_t(data[0]) + 1 : size + 1;

    const std::string first = ReadAndWrite(data, size, chunk);
    const std::string second =
        ReadAndWrite(reinterpret_cast<const uint8_t*>(first.data()), first.size(), first.size() + 1);
    Require(first == second);
    ResetCharacter();

    size_t pos = 0;
    CatalogLineReader lines = Lines(data, size, chunk, pos);
    VOLDFileClass entry;
    VOLDFileClass::ParseCXML(lines, entry);
    Require(entry.FILE_NAME.empty());
    return 0;
}
