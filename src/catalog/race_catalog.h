// The race catalogue: one entry per race and sex, read from Races/*_Race.qxf.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_list.h"
#include "catalog/catalog_reader.h"

// One race as one sex. Field names are the catalogue's element names; every number not given by the
// file is 0.
class CharacterRace : public CatalogList<CharacterRace> {
public:
    int32_t RSID = 0;
    std::string NAME;
    std::string SEX;
    int32_t BOOK = 0; // index into BooksToUse; offered only while that book is enabled
    int32_t SIZE = 0;
    int32_t MOVE = 0; // base movement rate
    int32_t FLY = 0;
    std::vector<std::string> LANGUAGES; // languages offered at the ability-and-race step
    std::vector<std::string> RTEXT;     // racial bonus lines of the character files
    std::vector<std::string> RTALENTS;  // racial talent lines
    std::vector<std::string> RDOWNSIDE; // racial downside lines
    int32_t nLANGUAGES = 0;
    int32_t nRTEXT = 0;
    int32_t nRTALENTS = 0;
    int32_t nRDOWNSIDE = 0;
    // Inclusive score ranges with which the race is offered.
    int32_t MINSTR = 0, MAXSTR = 0, MINDEX = 0, MAXDEX = 0, MINCON = 0, MAXCON = 0, MININT = 0, MAXINT = 0,
            MINWIS = 0, MAXWIS = 0, MINCHA = 0, MAXCHA = 0, MINCOM = 0, MAXCOM = 0;
    // Racial ability modifiers and the building-point bonus.
    int32_t STRADJ = 0, DEXADJ = 0, CONADJ = 0, INTADJ = 0, WISADJ = 0, CHAADJ = 0, COMADJ = 0;
    int32_t BP = 0;
    int32_t ILLIGITMOD = 0;
    int32_t ILLIGITBIRTHMOD = 0;
    // Age, height and weight: base + ROLLS dice of DIE sides.
    int32_t BASEAGE = 0, AGEDIE = 0, AGEDIEROLLS = 0;
    int32_t BASEHEIGHT = 0, HEIGHTDIE = 0, HEIGHTDIEROLLS = 0;
    int32_t BASEWEIGHT = 0, WEIGHTDIE = 0, WEIGHTDIEROLLS = 0;
    std::vector<std::string> LEVELLIMIT; // "<class name>=<level limit>", one per class open to the race
    std::vector<std::string> TALENT;     // talents the race may buy
    int32_t nLEVELLIMIT = 0;
    int32_t nTALENT = 0;
    // Racial adjustments to the nine thief skills, in percent points.
    int32_t BASEPICKPOCKETS = 0, BASEOPENLOCKS = 0, BASEFINDTRAPS = 0, BASEREMOVETRAPS = 0,
            BASEMOVESILENTLY = 0, BASEHIDEINSHADOWS = 0, BASEDETECTNOISE = 0, BASECLIMBWALLS = 0,
            BASEREADLANGUAGES = 0;

    // Appends one entry per race file of Races/ under the working directory (or `startFolder`).
    static void LoadRace();
    static void LoadRace(const std::filesystem::path& startFolder);
    // The folder below the start folder that holds the race files.
    static constexpr const char* kFolder = "Races";
    // Reads one race file into `entry`, up to its "</CHARACTER_RACE" line.
    static void ParseRaceXML(const std::filesystem::path& file, CharacterRace& entry);
    static void xmlConvert(std::string_view line, CharacterRace& entry);
    static void xmlAssign(std::string_view value, std::string_view tag, CharacterRace& entry);
    // The keys in the order they are tried.
    static const std::vector<CatalogKey<CharacterRace>>& Keys();
};

// The object through which the race loader is called; the entries hang on the class's list.
extern CharacterRace CRace;
