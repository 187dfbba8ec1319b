#include <gtest/gtest.h>

#include "app/options_file.h"
#include "catalog/race_catalog.h"
#include "support/catalog_files.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

namespace {

class RaceCatalogTest : public GlobalsTest {};

using R = CharacterRace;
using IntField = int32_t R::*;

// Every whole-number field, to check that a line touched exactly the one it should.
const std::vector<IntField>& IntFields() {
    static const std::vector<IntField> fields{
        &R::RSID,
        &R::BOOK,
        &R::SIZE,
        &R::MOVE,
        &R::FLY,
        &R::nLANGUAGES,
        &R::nRTEXT,
        &R::nRTALENTS,
        &R::nRDOWNSIDE,
        &R::MINSTR,
        &R::MAXSTR,
        &R::MINDEX,
        &R::MAXDEX,
        &R::MINCON,
        &R::MAXCON,
        &R::MININT,
        &R::MAXINT,
        &R::MINWIS,
        &R::MAXWIS,
        &R::MINCHA,
        &R::MAXCHA,
        &R::MINCOM,
        &R::MAXCOM,
        &R::STRADJ,
        &R::DEXADJ,
        &R::CONADJ,
        &R::INTADJ,
        &R::WISADJ,
        &R::CHAADJ,
        &R::COMADJ,
        &R::BP,
        &R::ILLIGITMOD,
        &R::ILLIGITBIRTHMOD,
        &R::BASEAGE,
        &R::AGEDIE,
        &R::AGEDIEROLLS,
        &R::BASEHEIGHT,
        &R::HEIGHTDIE,
        &R::HEIGHTDIEROLLS,
        &R::BASEWEIGHT,
        &R::WEIGHTDIE,
        &R::WEIGHTDIEROLLS,
        &R::nLEVELLIMIT,
        &R::nTALENT,
        &R::BASEPICKPOCKETS,
        &R::BASEOPENLOCKS,
        &R::BASEFINDTRAPS,
        &R::BASEREMOVETRAPS,
        &R::BASEMOVESILENTLY,
        &R::BASEHIDEINSHADOWS,
        &R::BASEDETECTNOISE,
        &R::BASECLIMBWALLS,
        &R::BASEREADLANGUAGES,
    };
    return fields;
}

TEST_F(RaceCatalogTest, EachNumberLineFillsTheFieldOfTheFirstKeyItsTagContains) {
    struct Case {
        const char* line;
        IntField field;
        int32_t value;
    } cases[] = {
        {"<RSID>7</RSID>", &R::RSID, 7},
        {"<MOVE>12 feet</MOVE>", &R::MOVE, 12},
        {"<AGEDIE_>6</AGEDIE_>", &R::AGEDIE, 6}, // sides, not the number of dice
        {"<AGEDIEROLLS>3</AGEDIEROLLS>", &R::AGEDIEROLLS, 3},
        {"<HEIGHTDIE_>10</HEIGHTDIE_>", &R::HEIGHTDIE, 10},
        {"<HEIGHTDIEROLLS>2</HEIGHTDIEROLLS>", &R::HEIGHTDIEROLLS, 2},
        {"<WEIGHTDIE_>12</WEIGHTDIE_>", &R::WEIGHTDIE, 12},
        {"<WEIGHTDIEROLLS>4</WEIGHTDIEROLLS>", &R::WEIGHTDIEROLLS, 4},
        {"<MINSTR>9</MINSTR>", &R::MINSTR, 9}, // never taken by "<STRADJ"
        {"<STRADJ>-1</STRADJ>", &R::STRADJ, -1},
        {"<COMADJ>+2</COMADJ>", &R::COMADJ, 2},
        {"<BP>10</BP>", &R::BP, 10},
        {"<ILLIGITBIRTHMOD>-3</ILLIGITBIRTHMOD>", &R::ILLIGITBIRTHMOD, -3},
        {"<BASEREADLANGUAGES>5</BASEREADLANGUAGES>", &R::BASEREADLANGUAGES, 5}, // not a language line
        {"  <BASECLIMBWALLS id=\"x\">-10</BASECLIMBWALLS>", &R::BASECLIMBWALLS, -10},
        {"<BOOKS>4</BOOKS>", &R::BOOK, 4}, // a longer element name counts as its key
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        R race;
        R::xmlConvert(c.line, race);
        for (IntField f : IntFields())
            EXPECT_EQ(race.*f, f == c.field ? c.value : 0);
    }
}

TEST_F(RaceCatalogTest, LinesWithoutAKnownUpperCaseKeyStoreNothing) {
    for (const char* line : {"<move>12</move>", "<SPEED>12</SPEED>", "<MOVE>12", "MOVE>12</MOVE>x",
                             "<WISDIE>6</WISDIE>", "<CHARACTER_RACE>"}) {
        SCOPED_TRACE(line);
        R race;
        R::xmlConvert(line, race);
        for (IntField f : IntFields())
            EXPECT_EQ(race.*f, 0);
        EXPECT_TRUE(race.NAME.empty());
        EXPECT_TRUE(race.LANGUAGES.empty());
    }
}

TEST_F(RaceCatalogTest, ListLinesAddItemsInFileOrderAndCountThem) {
    using List = std::vector<std::string> R::*;
    struct Case {
        const char* element;
        List list;
        IntField count;
    } cases[] = {
        {"LANGUAGES", &R::LANGUAGES, &R::nLANGUAGES},    {"RTEXT", &R::RTEXT, &R::nRTEXT},
        {"RTALENTS", &R::RTALENTS, &R::nRTALENTS},       {"RDOWNSIDE", &R::RDOWNSIDE, &R::nRDOWNSIDE},
        {"LEVELLIMIT", &R::LEVELLIMIT, &R::nLEVELLIMIT}, {"TALENT", &R::TALENT, &R::nTALENT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.element);
        R race;
        for (const char* item : {"First", "", "Third"})
            R::xmlConvert(std::string("<") + c.element + ">" + item + "</" + c.element + ">", race);
        EXPECT_EQ(race.*c.list, (std::vector<std::string>{"First", "", "Third"}));
        EXPECT_EQ(race.*c.count, 3);
        for (const Case& other : cases)
            if (other.list != c.list) {
                EXPECT_TRUE((race.*other.list).empty()) << other.element;
            }
    }
}

TEST_F(RaceCatalogTest, TextFieldsJoinRepeatedLinesAndNumbersKeepTheLast) {
    R race;
    for (const char* line : {"<NAME>Sea</NAME>", "<NAME> Elf</NAME>", "<SEX>Fe</SEX>", "<SEX>male</SEX>",
                             "<MOVE>9</MOVE>", "<MOVE>12</MOVE>"})
        R::xmlConvert(line, race);
    EXPECT_EQ(race.NAME, "Sea Elf");
    EXPECT_EQ(race.SEX, "Female");
    EXPECT_EQ(race.MOVE, 12);
}

TEST_F(RaceCatalogTest, AFileWithOnlyNameAndSexGivesEmptyListsAndZeroes) {
    ScopedTempDir dir;
    WriteTextFile(dir.path() / "Races" / "Plain_Male_Race.qxf",
                  "<?xml version=\"1.0\"?>\n<CHARACTER_RACE>\n<NAME>Plain</NAME>\n<SEX>Male</SEX>\n"
                  "<MOVE>6</MOVE></CHARACTER_RACE>\n<BOOK>3</BOOK>\n");
    testing::internal::CaptureStdout();
    CRace.LoadRace();
    testing::internal::GetCapturedStdout();

    ASSERT_EQ(CharacterRace::Count(), 1u);
    const R& race = *CharacterRace::First();
    EXPECT_EQ(race.NAME, "Plain");
    EXPECT_EQ(race.SEX, "Male");
    for (IntField f : IntFields()) // the MOVE line shares its line with the end tag; BOOK comes after it
        EXPECT_EQ(race.*f, 0);
    EXPECT_TRUE(race.LANGUAGES.empty() && race.RTEXT.empty() && race.RTALENTS.empty() &&
                race.RDOWNSIDE.empty() && race.LEVELLIMIT.empty() && race.TALENT.empty());
}

TEST_F(RaceCatalogTest, ABookIndexOutsideTheOptionsIsABookNotEnabled) {
    BooksToUse.fill(1);
    struct Case {
        const char* line;
        bool offered;
    } cases[] = {
        {"<BOOK>0</BOOK>", true},   {"<BOOK>99</BOOK>", true},           {"<BOOK>100</BOOK>", false},
        {"<BOOK>-1</BOOK>", false}, {"<BOOK>99999999999</BOOK>", false},
    };
    for (const Case& c : cases) {
        R race;
        R::xmlConvert(c.line, race);
        EXPECT_EQ(BookEnabled(race.BOOK), c.offered) << c.line;
    }
}

} // namespace
