// Reading a saved character file back into `current_character`.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "catalog/catalog_reader.h"

struct ClassDataItem;

// A line reader, not an XML parser: it relies on the writer's one element per line, finds an element by
// its tag text holding a key, and passes over every line without "</". Text values are appended and list
// items and class records are added to what the record holds, so the caller resets the record first.
class XMLRead {
public:
    // Reads the lines up to the root's closing line into the character, then links it to its race and
    // class entries and works out its honor dice.
    void ReadXMLSheet(CatalogLineReader& lines);

    static void xmlConvert(std::string_view line, CatalogLineReader& lines);
    static void xmlAssign(std::string_view value, std::string_view tag, CatalogLineReader& lines);
    static void xmlClassConvert(std::string_view line, ClassDataItem& record);

    // The link pass alone: the race entry whose name and sex equal the record's texts, the class entry
    // whose name equals the class names joined by "/", the honor die, bonus and text.
    static void LinkCharacter();
};

// Opens "CharacterXML/<fileName>" below the working directory and, only once it is open and whole
// (FirstDamagedLine), resets the character, empties its equipment list (the file holds every item),
// reads the file into it and makes `fileName` the character's own file. False, with nothing changed,
// when the file cannot be opened, or when it is damaged: `damagedLine` (when given) then gets the first
// damaged line.
bool ReadCharacterFile(const std::string& fileName, size_t* damagedLine = nullptr);

// ReadCharacterFile, then pushes every part of the character into the tree.
bool OpenCharacterFile(const std::string& fileName, size_t* damagedLine = nullptr);
