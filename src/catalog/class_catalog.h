// The class catalogue: one entry per class or multi-class combination, read from Classes/*Class.qxf.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/item_lists.h"
#include "catalog/catalog_list.h"
#include "catalog/catalog_reader.h"

// One class. Field names are the catalogue's element names; every number not given by the file is 0
// except the three defaults below. The per-level tables are indexed by level, 0 to 99.
class CharacterClass : public CatalogList<CharacterClass> {
public:
    std::string NAME; // "A/B" names a multi-class combination of the classes A and B
    int32_t BOOK = 0; // index into BooksToUse; offered only while that book is enabled
    LevelTable XPTABLE{};
    LevelTable CONMULTIPLIER{};
    LevelTable HITDIE{};     // sides of the hit dice at each level
    LevelTable HITDIEROLL{}; // number of hit dice at each level
    int32_t KICKER = 0;      // first-level hit points on top of the dice
    LevelTable HITPOINTBONUS{};
    LevelTable THIEFPOINTS{};           // thief-skill points to distribute at each level
    LevelTable PROFSLOTS{};             // weapon-proficiency slots at each level
    int32_t BP = 0;                     // building-point bonus
    int32_t SOCIALREQ = 0;              // lowest social level (1 to 12) that may take the class
    std::vector<std::string> ALIGNMENT; // alignments the class may choose; no count kept
    std::string THIEFSKILLS;            // names of the class's thief skills, run together
    int32_t MONEYROLL = 0;
    // Class types: 1 for a class of the type; a negative value bars the class while the character is
    // bound to that type's sourcebook.
    int32_t CLERIC = 0;
    int32_t FIGHTER = 0;
    int32_t MAGE = 0;
    int32_t THIEF = 0;
    int32_t STRROLLS = 0, DEXROLLS = 0, CONROLLS = 0, INTROLLS = 0, WISROLLS = 0, CHRROLLS = 0, COMROLLS = 0;
    int32_t STRDIE = 0, DEXDIE = 0, CONDIE = 0, INTDIE = 0, WISDIE = 0, CHRDIE = 0, COMDIE = 0;
    // Inclusive bounds, compared with score and fraction read together as one real number.
    float MINSTR = 0, MAXSTR = 0, MINDEX = 0, MAXDEX = 0, MINCON = 0, MAXCON = 0, MININT = 0, MAXINT = 0,
          MINWIS = 0, MAXWIS = 0, MINCHA = 0, MAXCHA = 0, MINCOM = 0, MAXCOM = 0;
    std::vector<std::string> WEAPON; // weapons in which the class may take a proficiency
    int32_t nWEAPON = 0;
    int32_t TOHITAS = 0;
    int32_t SAVEAS = 0; // saving-throw table: 1 mage, 2 fighter, 3 thief, 4 cleric, 5 the fifth table
    int32_t SAVEVARIANCE = 0;
    int32_t SPELLJACK = 0;
    int32_t TURNUNDEAD = 0;
    int32_t AGEDIE = 8; // starting-age adjustment: AGEDIEROLLS dice of AGEDIE sides
    int32_t AGEDIEROLLS = 1;
    int32_t SPECIALIZE = 999; // lowest level that may specialise in a weapon; 999 never

    // Appends one entry per class file of Classes/ under the working directory (or `startFolder`).
    static void LoadClass();
    static void LoadClass(const std::filesystem::path& startFolder);
    // The folder below the start folder that holds the class files.
    static constexpr const char* kFolder = "Classes";
    // Reads one class file into `entry`, up to its "</CHARACTER_CLASS" line.
    static void ParseCXML(const std::filesystem::path& file, CharacterClass& entry);
    static void xmlConvert(std::string_view line, CharacterClass& entry);
    static void xmlAssign(std::string_view value, std::string_view tag, CharacterClass& entry);
    // The keys in the order they are tried.
    static const std::vector<CatalogKey<CharacterClass>>& Keys();
};

// The object through which the class loader is called; the entries hang on the class's list.
extern CharacterClass CClass;
