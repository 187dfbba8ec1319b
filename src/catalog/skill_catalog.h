// The skill catalogue (Skills/*_Skill.qxf, ending with the blank entry) and the spell catalogue
// (Spells/*_Spell.qxf).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_list.h"
#include "catalog/catalog_reader.h"

// One skill. Field names are the catalogue's element names.
class CharacterSkill : public CatalogList<CharacterSkill> {
public:
    std::string NAME;
    int32_t BP = 0;   // cost in building points
    int32_t BOOK = 0; // index into BooksToUse; offered only while that book is enabled
    std::string PAGE;
    int32_t EP_ADJ = 0;
    std::string MASTERY_ABILITIES; // "STR", "DEX" ... anywhere in it name the abilities of the starting value
    int32_t COURSE_DIE = 0;        // sides of the course die
    int32_t NUM_OF_COURSE_DIE = 0;
    int32_t DIFFICULTY = 0;
    std::vector<std::string> COURSE_PREREQS;   // skills the character must already have
    std::vector<std::string> SKILL_SUITE_SUBS; // member skills of a suite
    int32_t nCOURSE_PREREQS = 0;
    int32_t nSKILL_SUITE_SUBS = 0;
    int32_t CATEGORY = 0; // 1 to 12
    bool EXTEND = false;  // the player gives the skill a text identifier when taking it

    // Appends one entry per skill file of Skills/ under the working directory (or `startFolder`),
    // then the blank entry read from its "empty.qxf".
    static void LoadSkill();
    static void LoadSkill(const std::filesystem::path& startFolder);
    // The folder below the start folder that holds the skill files.
    static constexpr const char* kFolder = "Skills";
    // Reads one skill file into `entry`, up to its "</CHARACTER_SKILL" line.
    static void ParseSkillXML(const std::filesystem::path& file, CharacterSkill& entry);
    static void xmlConvert(std::string_view line, CharacterSkill& entry);
    static void xmlAssign(std::string_view value, std::string_view tag, CharacterSkill& entry);
    static const std::vector<CatalogKey<CharacterSkill>>& Keys();
    // The first entry in list order whose NAME contains `text` (case-sensitive), the blank one
    // included; null when none does.
    static CharacterSkill* Find(std::string_view text);
};

// One spell. Field names are the catalogue's element names.
class CharacterSpell : public CatalogList<CharacterSpell> {
public:
    std::string NAME;
    int32_t BOOK = 0;
    std::string TYPE;
    std::string SPECIALIZATION;
    std::string RANGE;
    std::string COMPONENT;
    std::string DURATION;
    std::string CASTING_TIME;
    std::string AREA_OF_EFFECT;
    std::string SAVING_THROW;
    int32_t LEVEL = 0;
    std::string CATEGORY;

    // Appends one entry per spell file of Spells/ under the working directory (or `startFolder`).
    static void LoadSpell();
    static void LoadSpell(const std::filesystem::path& startFolder);
    // The folder below the start folder that holds the spell files.
    static constexpr const char* kFolder = "Spells";
    // Reads one spell file into `entry`, up to its "</CHARACTER_SPELL" line.
    static void ParseSpellXML(const std::filesystem::path& file, CharacterSpell& entry);
    static void xmlConvert(std::string_view line, CharacterSpell& entry);
    static void xmlAssign(std::string_view value, std::string_view tag, CharacterSpell& entry);
    static const std::vector<CatalogKey<CharacterSpell>>& Keys();
    // The first entry in list order whose NAME contains `text`; null when none does.
    static CharacterSpell* Find(std::string_view text);
};

// The objects through which the loaders and look-ups are called; the entries hang on each class's list.
extern CharacterSkill CSkill;
extern CharacterSpell CSpell;
