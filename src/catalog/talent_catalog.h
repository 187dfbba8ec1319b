// The talent catalogue (Talents/*_Talent.qxf) and the weapon-proficiency catalogue
// (Proficiencies/*_Prof.qxf); both end with the blank entry from their folder's "empty.qxf".
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_list.h"
#include "catalog/catalog_reader.h"

// One talent. Field names are the catalogue's element names.
class CharacterTalent : public CatalogList<CharacterTalent> {
public:
    std::string NAME;
    int32_t BP = 0;   // cost of one purchase
    int32_t BOOK = 0; // index into BooksToUse; offered only while that book is enabled
    std::string PAGE;
    int32_t EP_ADJ = 0;
    int32_t MAX = 1;     // how many times the talent may be taken
    bool EXTEND = false; // the player gives the talent a text identifier when taking it
    std::string DESCRIPTION;

    // Appends one entry per talent file of Talents/ under the working directory (or `startFolder`),
    // then the blank entry read from its "empty.qxf".
    static void LoadTalent();
    static void LoadTalent(const std::filesystem::path& startFolder);
    // The folder below the start folder that holds the talent files.
    static constexpr const char* kFolder = "Talents";
    // Reads one talent file into `entry`, in lines of up to 1023 characters, up to its
    // "</CHARACTER_TALENT" line.
    static void ParseTalentXML(const std::filesystem::path& file, CharacterTalent& entry);
    static void xmlConvert(std::string_view line, CharacterTalent& entry);
    static void xmlAssign(std::string_view value, std::string_view tag, CharacterTalent& entry);
    static const std::vector<CatalogKey<CharacterTalent>>& Keys();
    // The first entry in list order whose NAME contains `text` (case-sensitive); the last entry, the
    // blank one, is never tested. Null when none does.
    static CharacterTalent* Find(std::string_view text);
};

// One weapon proficiency. Field names are the catalogue's element names.
class CharacterProf : public CatalogList<CharacterProf> {
public:
    std::string NAME;
    int32_t BOOK = 0;
    int32_t SPCOST = 0; // slots needed to specialise
    int32_t TYPE = 0;   // 0 melee, 1 missile, 2 non-weapon, 3 punching/wrestling
    bool EXTEND = false;

    // Appends one entry per proficiency file of Proficiencies/ under the working directory (or
    // `startFolder`), then the blank entry read from its "empty.qxf".
    static void LoadProfs();
    static void LoadProfs(const std::filesystem::path& startFolder);
    // The folder below the start folder that holds the proficiency files.
    static constexpr const char* kFolder = "Proficiencies";
    // Reads one proficiency file into `entry`, up to its "</CHARACTER_PROF" line.
    static void ParseProfXML(const std::filesystem::path& file, CharacterProf& entry);
    static void xmlConvert(std::string_view line, CharacterProf& entry);
    static void xmlAssign(std::string_view value, std::string_view tag, CharacterProf& entry);
    static const std::vector<CatalogKey<CharacterProf>>& Keys();
    // As CharacterTalent::Find: the blank last entry is never tested.
    static CharacterProf* Find(std::string_view text);
};

// The objects through which the loaders and look-ups are called; the entries hang on each class's list.
extern CharacterTalent CTalent;
extern CharacterProf CProfs;
