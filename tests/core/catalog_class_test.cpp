#include <gtest/gtest.h>

#include "catalog/class_catalog.h"
#include "support/catalog_files.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

namespace {

class ClassCatalogTest : public GlobalsTest {};

using C = CharacterClass;

TEST_F(ClassCatalogTest, StartsWithTheThreeDefaultsAndZeroesElsewhere) {
    C cls;
    EXPECT_EQ(cls.AGEDIE, 8);
    EXPECT_EQ(cls.AGEDIEROLLS, 1);
    EXPECT_EQ(cls.SPECIALIZE, 999);
    EXPECT_EQ(cls.KICKER, 0);
    EXPECT_EQ(cls.THIEF, 0);
    EXPECT_EQ(cls.WISDIE, 0);
    EXPECT_FLOAT_EQ(cls.MINSTR, 0.0f);
    EXPECT_EQ(cls.HITDIE, LevelTable{});
    EXPECT_EQ(cls.nWEAPON, 0);
}

TEST_F(ClassCatalogTest, PerLevelLinesFillTheEntryTheirTagNames) {
    C cls;
    for (int level = 1; level <= 20; ++level)
        C::xmlConvert("<HITDIE_" + std::to_string(level) + ">" + std::to_string(level + 3) + "</HITDIE_" +
                          std::to_string(level) + ">",
                      cls);
    for (int level = 0; level < 100; ++level)
        EXPECT_EQ(cls.HITDIE[level], level >= 1 && level <= 20 ? level + 3 : 0) << level;
    EXPECT_EQ(cls.HITDIEROLL, LevelTable{});
}

TEST_F(ClassCatalogTest, EachLineGoesToTheFieldOfTheFirstKeyItsTagContains) {
    struct Case {
        const char* line;
        std::function<bool(const C&)> stored;
    } cases[] = {
        {"<HITDIE_3>8</HITDIE_3>", [](const C& c) { return c.HITDIE[3] == 8 && c.HITDIEROLL[3] == 0; }},
        {"<HITDIEROLL_3>2</HITDIEROLL_3>",
         [](const C& c) { return c.HITDIEROLL[3] == 2 && c.HITDIE[3] == 0; }},
        {"<HITDIE_7 extra>5</HITDIE_7>", [](const C& c) { return c.HITDIE[7] == 5; }},
        {"<XPTABLE>500</XPTABLE>", [](const C& c) { return c.XPTABLE[0] == 500; }}, // no "_": level 0
        {"<XPTABLE_10>90000</XPTABLE_10>", [](const C& c) { return c.XPTABLE[10] == 90000; }},
        {"<CONMULTIPLIER_2>3</CONMULTIPLIER_2>", [](const C& c) { return c.CONMULTIPLIER[2] == 3; }},
        {"<HITPOINTBONUS_10>2</HITPOINTBONUS_10>", [](const C& c) { return c.HITPOINTBONUS[10] == 2; }},
        {"<PROFSLOTS_1>4</PROFSLOTS_1>", [](const C& c) { return c.PROFSLOTS[1] == 4; }},
        {"<THIEFPOINTS_1>60</THIEFPOINTS_1>",
         [](const C& c) { return c.THIEFPOINTS[1] == 60 && c.THIEF == 0; }},
        {"<THIEFSKILLS>Pick Pockets</THIEFSKILLS>",
         [](const C& c) { return c.THIEFSKILLS == "Pick Pockets" && c.THIEF == 0; }},
        {"<THIEF>1</THIEF>", [](const C& c) { return c.THIEF == 1; }},
        {"<AGEDIE_>6</AGEDIE_>", [](const C& c) { return c.AGEDIE == 6 && c.AGEDIEROLLS == 1; }},
        {"<AGEDIEROLLS>3</AGEDIEROLLS>", [](const C& c) { return c.AGEDIEROLLS == 3 && c.AGEDIE == 8; }},
        {"<SPECIALIZE>1</SPECIALIZE>", [](const C& c) { return c.SPECIALIZE == 1; }},
        {"<MINSTR>9.5</MINSTR>", [](const C& c) { return c.MINSTR == 9.5f; }},
        {"<MAXCOM>18.50 points</MAXCOM>", [](const C& c) { return c.MAXCOM == 18.5f; }},
        {"<WISDIE>6</WISDIE>", [](const C& c) { return c.WISDIE == 0 && c.WISROLLS == 0; }}, // no key
        {"<CHRDIE>6</CHRDIE>", [](const C& c) { return c.CHRDIE == 6; }},
        {"<SAVEAS>3</SAVEAS>", [](const C& c) { return c.SAVEAS == 3 && c.SAVEVARIANCE == 0; }},
        {"<SAVEVARIANCE>2</SAVEVARIANCE>", [](const C& c) { return c.SAVEVARIANCE == 2 && c.SAVEAS == 0; }},
        {"<MAGE>-1</MAGE>", [](const C& c) { return c.MAGE == -1; }},
        {"<BP>4</BP>", [](const C& c) { return c.BP == 4; }},
    };
    for (const Case& c : cases) {
        C cls;
        C::xmlConvert(c.line, cls);
        EXPECT_TRUE(c.stored(cls)) << c.line;
    }
}

TEST_F(ClassCatalogTest, LevelsOutsideTheTablesChangeNothing) {
    C cls;
    for (const char* line :
         {"<HITDIE_100>8</HITDIE_100>", "<HITDIE_-1>8</HITDIE_-1>",
          "<PROFSLOTS_4294967297>3</PROFSLOTS_4294967297>", "<XPTABLE_1000>5</XPTABLE_1000>"})
        C::xmlConvert(line, cls);
    EXPECT_EQ(cls.HITDIE, LevelTable{});
    EXPECT_EQ(cls.PROFSLOTS, LevelTable{});
    EXPECT_EQ(cls.XPTABLE, LevelTable{});
}

TEST_F(ClassCatalogTest, ListsTextsAndRepeatedLines) {
    C cls;
    for (const char* line :
         {"<WEAPON>Club</WEAPON>", "<ALIGNMENT>Lawful Good</ALIGNMENT>", "<WEAPON>Spear</WEAPON>",
          "<ALIGNMENT>True Neutral</ALIGNMENT>", "<THIEFSKILLS>Pick Pockets, </THIEFSKILLS>",
          "<THIEFSKILLS>Climb Walls</THIEFSKILLS>", "<NAME>Fighter</NAME>", "<NAME>/Thief</NAME>",
          "<KICKER>6</KICKER>", "<KICKER>10</KICKER>"})
        C::xmlConvert(line, cls);
    EXPECT_EQ(cls.WEAPON, (std::vector<std::string>{"Club", "Spear"}));
    EXPECT_EQ(cls.nWEAPON, 2);
    EXPECT_EQ(cls.ALIGNMENT, (std::vector<std::string>{"Lawful Good", "True Neutral"}));
    EXPECT_EQ(cls.THIEFSKILLS, "Pick Pockets, Climb Walls");
    EXPECT_EQ(cls.NAME, "Fighter/Thief");
    EXPECT_EQ(cls.KICKER, 10);
}

TEST_F(ClassCatalogTest, ThePatternTakesClassFilesWithAndWithoutUnderscore) {
    ScopedTempDir dir;
    WriteTextFile(dir.path() / "Classes" / "RangerClass.qxf", "<NAME>Ranger</NAME>\n");
    WriteTextFile(dir.path() / "Classes" / "Bard_Class.qxf", "<NAME>Bard</NAME>\n");
    WriteTextFile(dir.path() / "Classes" / "Druid_class.qxf", "<NAME>Druid</NAME>\n");
    WriteTextFile(dir.path() / "Classes" / "Sage_Class.txt", "<NAME>Sage</NAME>\n");
    testing::internal::CaptureStdout();
    CClass.LoadClass();
    testing::internal::GetCapturedStdout();

    std::vector<std::string> names;
    for (const C* c = CharacterClass::First(); c; c = c->pNext.get())
        names.push_back(c->NAME);
    EXPECT_EQ(names, (std::vector<std::string>{"Bard", "Ranger"}));
}

} // namespace
