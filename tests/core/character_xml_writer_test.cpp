#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <locale>

#include "app/character.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
#include "files/character_xml_writer.h"
#include "files/xml_text.h"
#include "support/character_fixture.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"

namespace fs = std::filesystem;

namespace {

class CharacterXmlWriterTest : public CharacterFileTest {};

ClassDataItem& AddClassRecord(const std::string& name, int32_t level) {
    auto record = std::make_unique<ClassDataItem>();
    record->CLASS_NAME = name;
    record->CLASS_LEVEL = level;
    ClassDataItem& ref = *record;
    ClassDataItem().AddTail(std::move(record));
    return ref;
}

TEST_F(CharacterXmlWriterTest, TwoClassCharacterMatchesTheGoldenFileByteForByte) {
    BuildTwoClassCharacter();
    const std::string golden =
        ReadFileBytes(fs::path(BK_TEST_DATA_DIR) / "character_files" / "two_class.xml");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(CharacterXMLText(), golden);
    // Writing changes nothing it reads: a second file is the same.
    EXPECT_EQ(CharacterXMLText(), golden);
}

TEST_F(CharacterXmlWriterTest, ExperienceAndLightRateKeepTheirDotUnderACommaLocale) {
    const struct {
        float exp;
        const char* text;
    } cases[] = {
        {0.0f, "0"}, {1500.0f, "1500"}, {1250.5f, "1250.5"}, {1234567.0f, "1.23457e+06"}, {-2.5f, "-2.5"}};
    for (const auto& c : cases)
        AddClassRecord("Fighter", -1).CLASS_EXP = c.exp;
    current_character.pRace = FixtureRace("Half-Elf", "Female");
    current_character.pRace->MOVE = 10; // a light rate of 7.5

    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const std::locale previousGlobal;
    const bool comma = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    if (comma)
        std::locale::global(std::locale("de_DE.UTF-8"));
    const std::string text = CharacterXMLText();
    std::setlocale(LC_ALL, previous.c_str());
    std::setlocale(LC_NUMERIC, "C");
    std::locale::global(previousGlobal);

    std::vector<std::string> exps;
    for (const std::string& line : SplitLines(text))
        if (line.rfind("<CLASS_EXP>", 0) == 0)
            exps.push_back(line);
    ASSERT_EQ(exps.size(), std::size(cases));
    for (size_t i = 0; i < exps.size(); ++i)
        EXPECT_EQ(exps[i], std::string("<CLASS_EXP>") + cases[i].text + "</CLASS_EXP>");
    EXPECT_NE(text.find("<RATE>\n7.5\n</RATE>"), std::string::npos);
    if (!comma)
        GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed; only the C locale was checked";
}

TEST_F(CharacterXmlWriterTest, MovementRatesFollowTheRaceRate) {
    const struct {
        int32_t move;
        std::vector<std::string> rates;
    } cases[] = {
        {12, {"12", "9", "6", "3", "1"}},
        {10, {"10", "7.5", "5", "2", "1"}},
        {5, {"5", "3.75", "2", "1", "1"}},
        {-1, {"-1", "-0.75", "0", "0", "1"}},
    };
    current_character.ABILITY_BASE[0] = 12;
    current_character.pRace = FixtureRace("Elf", "Male");
    for (const auto& c : cases) {
        current_character.pRace->MOVE = c.move;
        const std::vector<std::string> lines =
            LinesBetween(CharacterXMLText(), "<MOVEMENT_RATES>", "</MOVEMENT_RATES>");
        ASSERT_EQ(lines.size(), 60u) << c.move;
        std::vector<std::string> rates;
        for (size_t i = 0; i + 1 < lines.size(); ++i)
            if (lines[i] == "<RATE>")
                rates.push_back(lines[i + 1]);
        EXPECT_EQ(rates, c.rates) << c.move;
        // The encumbrance ranges run on from 0.
        EXPECT_EQ(lines[2], "<FULL>Unencumbered</FULL>");
        EXPECT_EQ(lines[6].rfind("0 - ", 0), 0u) << lines[6];
    }
}

TEST_F(CharacterXmlWriterTest, CoinsAppearOnlyAboveZero) {
    const struct {
        int32_t gold, silver, copper;
        std::vector<std::string> lines;
    } cases[] = {
        {0, 12, 0, {"<SILVERCOINS>12</SILVERCOINS>"}},
        {0, 0, 0, {}},
        {-3, -1, 5, {"<COPPERCOINS>5</COPPERCOINS>"}},
        {1,
         2,
         3,
         {"<GOLDCOINS>1</GOLDCOINS>", "<SILVERCOINS>2</SILVERCOINS>", "<COPPERCOINS>3</COPPERCOINS>"}},
    };
    for (const auto& c : cases) {
        current_character.GOLDCOINS = c.gold;
        current_character.SILVERCOINS = c.silver;
        current_character.COPPERCOINS = c.copper;
        const std::string text = CharacterXMLText();
        EXPECT_EQ(LinesBetween(text, "<COINS>", "</COINS>"), c.lines)
            << c.gold << "/" << c.silver << "/" << c.copper;
        if (c.lines.empty()) {
            EXPECT_NE(text.find("<COINS>\n</COINS>\n"), std::string::npos);
        }
    }
}

TEST_F(CharacterXmlWriterTest, ClassBlocksWriteOneLevelRowPerLevelUpTo99) {
    const struct {
        int32_t level;
        size_t lines; // with the opening and closing lines
    } cases[] = {{-1, 5}, {0, 22}, {1, 39}, {150, 5 + 17 * 100}};
    for (const auto& c : cases) {
        ClassDataItem().Clear();
        ClassDataItem& record = AddClassRecord("Thief", c.level);
        record.CLASS_CHR_GROW[0] = 4;
        record.CLASS_READ_LANGUAGES[99] = -7;
        const std::vector<std::string> lines =
            LinesBetween(CharacterXMLText(), "<CLASS_DATA>", "</CLASS_DATA>");
        ASSERT_EQ(lines.size() + 2, c.lines) << c.level;
        EXPECT_EQ(lines[0], "<CLASS_NAME>Thief</CLASS_NAME>");
        EXPECT_EQ(lines[1], "<CLASS_LEVEL>" + std::to_string(c.level) + "</CLASS_LEVEL>");
        EXPECT_EQ(lines[2], "<CLASS_EXP>0</CLASS_EXP>");
        if (c.level >= 0) {
            EXPECT_EQ(lines[3], "<CLASS_HITPOINTS_0>0</CLASS_HITPOINTS_0>");
            EXPECT_EQ(lines[9], "<CLASS_CHR_GROW_0>4</CLASS_CHR_GROW_0>");
            EXPECT_EQ(lines[19], "<CLASS_READ_LANGUAGES_0>0</CLASS_READ_LANGUAGES_0>");
        }
        if (c.level >= 99) {
            EXPECT_EQ(lines.back(), "<CLASS_READ_LANGUAGES_99>-7</CLASS_READ_LANGUAGES_99>");
        }
    }
}

TEST_F(CharacterXmlWriterTest, BackgroundBlocksFollowTheClassTypeAndBookFlags) {
    auto cls = std::make_unique<CharacterClass>();
    CharacterClass* entry = cls.get();
    CharacterClass::AddTail(std::move(cls));
    current_character.pClass = entry;
    current_character.SCHOOL_LOCATION = "Tower";
    current_character.PA_THE_CALL = "A dream";
    const auto blocks = [] {
        std::vector<std::string> opened;
        for (const std::string& line : SplitLines(CharacterXMLText()))
            if (line.rfind("<BACKGROUND", 0) == 0)
                opened.push_back(line);
        return opened;
    };
    const std::string mu = "<BACKGROUND TYPE=\"Magic-User\">", fi = "<BACKGROUND TYPE=\"Fighter\">",
                      cl = "<BACKGROUND TYPE=\"Cleric\">";
    const struct {
        int32_t mage, fighter, cleric;
        bool b0, b1, b2;
        std::vector<std::string> written;
    } cases[] = {
        {2, 0, 0, true, false, false, {mu}},       {1, 0, 0, false, true, true, {}},
        {0, 2, 2, true, true, true, {}},           {0, 1, 1, false, true, true, {fi, cl}},
        {1, 1, 1, true, true, true, {mu, fi, cl}},
    };
    for (const auto& c : cases) {
        entry->MAGE = c.mage;
        entry->FIGHTER = c.fighter;
        entry->CLERIC = c.cleric;
        current_character.BOOK_CLASS_FLAG = {c.b0, c.b1, c.b2, false};
        EXPECT_EQ(blocks(), c.written) << c.mage << c.fighter << c.cleric;
    }
    const std::string text = CharacterXMLText();
    EXPECT_EQ(LinesBetween(text, mu, "</BACKGROUND>").size(), 7u);
    EXPECT_EQ(LinesBetween(text, fi, "</BACKGROUND>").size(), 22u);
    EXPECT_EQ(LinesBetween(text, cl, "</BACKGROUND>").size(), 8u);
    EXPECT_NE(text.find("<SCHOOL_LOCATION>Tower</SCHOOL_LOCATION>\n<SCHOOL_TYPE></SCHOOL_TYPE>\n"),
              std::string::npos);
    // Empty event lists still give their fixed number of lines.
    EXPECT_NE(text.find("<ACCIDENT_EVENT TYPE=\"Accident\"></ACCIDENT_EVENT>\n"
                        "<ACCIDENT_EVENT TYPE=\"Accident\"></ACCIDENT_EVENT>\n</TRAINING>\n"),
              std::string::npos);
}

TEST_F(CharacterXmlWriterTest, EmptyListsWriteNoSectionAndAnEmptyNameStillWritesItsNumber) {
    current_character.INHERITED_WEAPON = "Axe";
    current_character.INHERITED_DEED = "Deed";
    std::string text = CharacterXMLText();
    EXPECT_NE(text.find("<INHERITED_ITEMS>\n<INHERITED_WEAPON>Axe</INHERITED_WEAPON>\n"
                        "<INHERITED_DEED>Deed</INHERITED_DEED>\n</INHERITED_ITEMS>\n<FAMILY_INFORMATION>\n"),
              std::string::npos);

    auto node = std::make_unique<QuirkDataItem>();
    node->value = 3;
    QuirkDataItem().AddTail(std::move(node));
    text = CharacterXMLText();
    EXPECT_EQ(LinesBetween(text, "<QUIRKANDFLAW_SECTION>", "</QUIRKANDFLAW_SECTION>"),
              (std::vector<std::string>{"<QUIRKNAME></QUIRKNAME>", "<QUIRKRATING>3</QUIRKRATING>"}));
    EXPECT_EQ(text.find("<SKILL_SECTION>"), std::string::npos);
}

TEST_F(CharacterXmlWriterTest, WithoutRaceOrClassTheRecordsOwnTextsAndNeutralValuesAreWritten) {
    current_character.RACE = "Elf";
    current_character.SEX = "Female";
    current_character.SIBLINGS = -2;
    current_character.ABILITY_BASE[0] = 9;
    const std::string text = CharacterXMLText();
    EXPECT_NE(text.find("<RACE>Elf</RACE>"), std::string::npos);
    EXPECT_NE(text.find("<SEX>Female</SEX>"), std::string::npos);
    EXPECT_NE(text.find("<PLAYER_NAME></PLAYER_NAME>"), std::string::npos);
    EXPECT_NE(text.find("<HIT_POINTS>0</HIT_POINTS>\n<SAVING_THROWS>\n"), std::string::npos);
    EXPECT_NE(text.find("<RACIAL_ATTRIBUTES>\n</RACIAL_ATTRIBUTES>\n<COINS>"), std::string::npos);
    const std::vector<std::string> throws = LinesBetween(text, "<SAVING_THROWS>", "</SAVING_THROWS>");
    ASSERT_EQ(throws.size(), 13u * 13u);
    for (size_t i = 0; i < 13; ++i)
        EXPECT_EQ(throws[i * 13 + 10], "99");
    EXPECT_EQ(throws[5 * 13 + 3], "Rods");
    EXPECT_EQ(throws[5 * 13 + 6], "Rod");
    const std::vector<std::string> family =
        LinesBetween(text, "<FAMILY_INFORMATION>", "</FAMILY_INFORMATION>");
    ASSERT_EQ(family.size(), 19u);
    EXPECT_EQ(family[9], "<SIBLINGS>-2</SIBLINGS>");
    EXPECT_EQ(family[18], "<SIBLING9></SIBLING9>");
    EXPECT_EQ(text.substr(text.size() - 24), "</GOREWRIGHT_CHARACTER>\n");
}

TEST_F(CharacterXmlWriterTest, MarkupInValuesIsEscapedSoTheFileIsWellFormed) {
    BuildTwoClassCharacter();
    current_character.CHARACTER_NAME = "Ada <\"the\"> & Bold";
    current_character.ALIGNMENT = "Good</ALIGNMENT><LEVEL>99";
    current_character.SIBLING_TEXT[2] = std::string("a & b < c > d");
    current_character.FAMILY_HERITAGE = "line one\nline two\ttab";
    current_character.pRace->RTEXT[0] = "Sees < 60 ft. & more";
    EquipDataItem::First()->name = "Pot & <Pan>";
    const std::string text = CharacterXMLText();
    EXPECT_NE(text.find("<CHARACTER_NAME>Ada &lt;\"the\"&gt; &amp; Bold</CHARACTER_NAME>\n"),
              std::string::npos);
    EXPECT_NE(text.find("<ALIGNMENT>Good&lt;/ALIGNMENT&gt;&lt;LEVEL&gt;99</ALIGNMENT>\n"), std::string::npos);
    EXPECT_NE(text.find("<FAMILY_HERITAGE>line one&#10;line two&#9;tab</FAMILY_HERITAGE>\n"),
              std::string::npos);
    EXPECT_NE(text.find("<RACIAL_BONUS>\nSees &lt; 60 ft. &amp; more\n</RACIAL_BONUS>"), std::string::npos);
    // The fixed SOURCE texts keep their entities as written.
    EXPECT_NE(text.find("&quot;Brindlekit&quot;"), std::string::npos);

    ScopedPrompter prompts;
    ASSERT_TRUE(CreateXMLSheet(current_character.CHARACTER_NAME));
    const fs::path file = fs::path("CharacterXML") / "Ada <\"the\"> & Bold.xml";
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(ReadFileBytes(file), text);
    if (std::system("command -v xmllint >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "xmllint is not installed (scripts/install-deps libxml2-utils)";
    const std::string command = "xmllint --noout '" + file.string() + "' 2>xmllint.err";
    EXPECT_EQ(std::system(command.c_str()), 0) << ReadFileBytes("xmllint.err");
}

TEST(XmlText, EscapesAndDecodesInOnePass) {
    EXPECT_EQ(xmlSafe(std::string("a&b<c>d\"e'f\r\n")), "a&amp;b&lt;c&gt;d\"e'f&#13;&#10;");
    EXPECT_EQ(xmlSafe(-42), "-42");
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"&amp;lt;", "&lt;"}, // one pass: a decoded "&" starts nothing
        {"&lt;&gt;&quot;&apos;&amp;", "<>\"'&"},
        {"&#10;&#x41;&#X42;", "\nAB"},
        {"&#233;", "\xc3\xa9"},
        {"Tom & Jerry; &unknown; &#xZZ; &#; &", "Tom & Jerry; &unknown; &#xZZ; &#; &"},
        {"&#99999999999;&#xD800;", "&#99999999999;&#xD800;"},
        {"plain", "plain"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(xmlDecode(c.in), c.out) << c.in;
    const std::string all = "x&<>\"'\x01\t\n\r\x7f\xc3\xa9";
    EXPECT_EQ(xmlDecode(xmlSafe(all)), all);
}

} // namespace
