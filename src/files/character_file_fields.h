// The one table of the character file's plain fields: element name, where the value lives, and where
// the writer puts it. The writer writes from it and the reader reads into it, so no field can be
// written and then forgotten on reading, or the reverse.
#pragma once

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
};

// When a field's line is written.
enum class FilePresence { Always, AboveZero, NotEmpty };

struct CharacterFileField {
    FileSection section;
    const char* tag;        // the element name
    const char* attributes; // written after the name in the opening tag, e.g. ` UNIT="lbs."`
    FilePresence presence;
    // Exactly one of these is set, except for a field that is always written empty and never read.
    std::string& (*text)(Character_Class&);
    int32_t& (*number)(Character_Class&);
    SiblingText& (*sibling)(Character_Class&);
    // Set for the fields whose written value is the linked race entry's text while a race is linked.
    const std::string& (*raceText)(const CharacterRace&);
};

// Every plain field, grouped by section in writing order.
const std::vector<CharacterFileField>& CharacterFileFields();

// The fields of one section, in writing order.
std::vector<const CharacterFileField*> FieldsOf(FileSection section);

// The field whose element name is `tag`, or null.
const CharacterFileField* FindFileField(std::string_view tag);

// One per-level table of a class record. Its elements are named after the table and the level, such
// as "CLASS_HITPOINTS_3".
struct ClassLevelColumn {
    const char* name; // "CLASS_HITPOINTS"
    LevelTable ClassDataItem::*table;
};

// The seventeen per-level tables in the order the file writes each level's lines.
const std::vector<ClassLevelColumn>& ClassLevelColumns();
