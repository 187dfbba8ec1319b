// The list of saved characters: one entry per character file of the CharacterXML folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_list.h"
#include "catalog/catalog_reader.h"

// One saved character: the texts shown when picking a character, as written in its file, and the name
// of the file they came from. The list is one program-wide list shared by every window that picks a
// saved character; each refills it (Clear, then LoadCharacter) before it uses it.
class VOLDFileClass : public CatalogList<VOLDFileClass> {
public:
    std::string CHARACTER_NAME;
    std::string CLASS_LONG_NAME;
    std::string LEVEL; // the number as written
    std::string RACE;
    std::string SEX;
    std::string ALIGNMENT;
    std::string HONOR_BASE; // the number as written
    std::string FILE_NAME;  // the file's name within the folder, without any folder part

    // Appends one entry per "*.xml" plain file of "CharacterXML" below the working directory (or
    // `startFolder`), in byte-wise ascending order of file names, then one empty entry that ends the list.
    // Writes the trace lines "Loading <name>", "opening <name>", "Loaded <name>" and those of AddTail.
    // A missing folder gives only the end entry. The working directory is not changed.
    static void LoadCharacter();
    static void LoadCharacter(const std::filesystem::path& startFolder);

    // The first entry whose CHARACTER_NAME contains `text` (case-sensitive), never the empty end entry;
    // null when none does.
    static VOLDFileClass* Find(std::string_view text);

    // Reads one file (or its lines) into `entry`, up to the root's closing line.
    static void ParseCXML(const std::filesystem::path& file, VOLDFileClass& entry);
    static void ParseCXML(CatalogLineReader& lines, VOLDFileClass& entry);
    static void xmlConvert(std::string_view line, VOLDFileClass& entry);
    static void xmlAssign(std::string_view value, std::string_view tag, VOLDFileClass& entry);
    // The keys in the order they are tried: those of the character file's elements the list shows.
    // Building them throws std::logic_error when the file's table lacks one of the elements.
    static const std::vector<CatalogKey<VOLDFileClass>>& Keys();
};
