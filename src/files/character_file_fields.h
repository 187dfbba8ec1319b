// The one table of the character file's elements: element name, where the value lives, where the writer
// puts it and when the reader tries it. The writer writes from it, the reader reads by it and the list of
// saved characters takes its keys from it, so no element can be written and then forgotten on reading,
// or the reverse.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/character.h"

class CharacterRace;

// The run of lines a field belongs to; within one, the fields are written in table order.
enum class FileSection {
    Biography,
    Abilities, // STRENGTH_BASE, STRENGTH_PERC, DEXTERITY_BASE ... COMELINESS_PERC
    Honor,
    HitPoints,
    MagicUser,
    FighterCamp,
    FighterSpecialty,
    FighterAdvanced,
    FighterHostilities,
    FighterOccupation,
    Cleric,
    Coins,
    Inherited,
    Family,
    Siblings,
    // The element that begins a class record or a list item; the writer writes it with the rest of its
    // record or item.
    Items,
};

// When a field's line is written.
enum class FilePresence { Always, AboveZero, NotEmpty };

struct CharacterFileField {
    FileSection section = FileSection::Biography;
    const char* tag = "";        // the element name
    const char* attributes = ""; // written after the name in the opening tag, e.g. ` UNIT="lbs."`
    FilePresence presence = FilePresence::Always;
    // The reader tries the keys in rising read order and the first key a line's tag holds decides; -1 for
    // an element that is never read.
    int readOrder = -1;
    // Where the value lives. Exactly one is set, except for a field that is always written empty and
    // never read. A text is extended by each further element; a number or a sibling is replaced.
    std::string& (*text)(Character_Class&) = nullptr;
    int32_t& (*number)(Character_Class&) = nullptr;
    SiblingText& (*sibling)(Character_Class&) = nullptr;
    // Each element adds a line; the writer writes `eventLines` lines, empty ones filling up.
    std::vector<std::string>& (*events)(Character_Class&) = nullptr;
    // The element names a new item of one of the character's lists; its number is on the next line.
    void (*item)(Character_Class&, const std::string& name, int32_t number) = nullptr;
    // The element names a new class record, whose lines follow up to the record's end.
    ClassDataItem& (*classRecord)(Character_Class&, const std::string& name) = nullptr;
    // Set for the fields whose written value is the linked race entry's text while a race is linked.
    const std::string& (*raceText)(const CharacterRace&) = nullptr;
    size_t eventLines = 0;
    // The sourcebook flag that reading the element sets (the first element of a sourcebook's background
    // tells that the book was used), or -1.
    int book = -1;
    std::string key; // "<" and the element name: what a line's tag text holds for the element
};

// Every element, grouped by section in writing order. Built and checked (CheckFileFields) on first use.
const std::vector<CharacterFileField>& CharacterFileFields();

// Throws std::logic_error naming the first fault of `fields`: an element name given twice, a field
// with more than one place or a place but no read order (or the reverse), a read order given twice, an
// element of the Items section without an item or class record (or the reverse), events without lines,
// a sourcebook flag the record lacks, or a key that an earlier-read key is the beginning of, which would
// take its lines.
void CheckFileFields(const std::vector<CharacterFileField>& fields);

// The fields of one section, in writing order.
std::vector<const CharacterFileField*> FieldsOf(FileSection section);

// The elements the reader tries, in read order.
const std::vector<const CharacterFileField*>& FieldsInReadOrder();

// The element named `tag`. Throws std::logic_error when the table has none, so a table that names
// elements fails when it is built, not when a file is read.
const CharacterFileField& FileFieldNamed(std::string_view tag);

// One per-level table of a class record. Its elements are named after the table and the level, such
// as "CLASS_HITPOINTS_3".
struct ClassLevelColumn {
    const char* name; // "CLASS_HITPOINTS"
    LevelTable ClassDataItem::*table;
};

// The seventeen per-level tables in the order the file writes each level's lines.
const std::vector<ClassLevelColumn>& ClassLevelColumns();
