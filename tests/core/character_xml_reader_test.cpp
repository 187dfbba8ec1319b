#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>

#include "app/character.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
#include "files/character_file_fields.h"
#include "files/character_xml_reader.h"
#include "files/character_xml_writer.h"
#include "steps/starting_honor.h"
#include "support/character_fixture.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"
#include "support/tree_outline.h"
#include "ui/tree_model.h"

namespace fs = std::filesystem;

namespace {

class CharacterXmlReaderTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        AddFixtureCatalogues();
        program_data.ProgramVersion = "5.1";
    }
    // Saves the character, opens the file again into a reset record, and returns the first save's bytes.
    std::string SaveAndOpen() {
        const std::string saved = CharacterXMLText();
        EXPECT_TRUE(CreateXMLSheet(current_character.CHARACTER_NAME));
        program_data.WizardState = kWizardChosenQuirkRolls; // the open ends any creation
        EXPECT_TRUE(OpenCharacterFile(CharacterFileNameOf(current_character.CHARACTER_NAME)));
        return saved;
    }
    static std::string CharacterFileNameOf(const std::string& name) { return name + ".xml"; }

    ScopedTempDir dir;
    ScopedPrompter prompts;
};

TEST_F(CharacterXmlReaderTest, FullCharacterSavedOpenedAndSavedAgainGivesTheSameBytesAndLinks) {
    BuildTwoClassCharacter();
    const std::string saved = SaveAndOpen();
    EXPECT_EQ(CharacterXMLText(), saved);

    const Character_Class& pc = current_character;
    EXPECT_EQ(pc.pRace, FixtureRace("Elf", "Female")); // not "Half-Elf", which also contains "Elf"
    EXPECT_EQ(pc.pClass, FixtureClass("Fighter/Thief"));
    ASSERT_NE(ClassDataItem::First(), nullptr);
    EXPECT_EQ(ClassDataItem::First()->pClass, FixtureClass("Fighter"));
    EXPECT_EQ(ClassDataItem::First()->pNext->pClass, FixtureClass("Thief"));
    EXPECT_EQ(ClassDataItem::First()->CLASS_EXP, 1250.5f);
    EXPECT_EQ(ClassDataItem::First()->pNext->CLASS_PICK_POCKETS[1], 20);
    EXPECT_EQ(EquipDataItem::Count(), 2u); // exactly the file's items
    EXPECT_EQ(pc.ACCIDENT_EVENT, (std::vector<std::string>{"Twisted ankle", ""}));
    EXPECT_EQ(pc.SOCIAL_ID, 6);
    EXPECT_TRUE(pc.BOOK_CLASS_FLAG[1]);
    EXPECT_FALSE(pc.BOOK_CLASS_FLAG[0]);
    EXPECT_EQ(pc.SIBLING_TEXT[1].str(), "Younger sister");
    const std::string honor = pc.HONOR_DICE_TEXT;
    EXPECT_EQ(honor, SetHonorDice(1, 23));
    EXPECT_FALSE(honor.empty());
    EXPECT_EQ(program_data.WizardState, kWizardNone);

    const std::string tree = TreeOutline(CurrentTree());
    for (const char* branch : {"Ability Scores", "Racial Data", "Class Data", "Prior and Particulars",
                               "Quirks and Flaws", "Skills", "Equipment", "Talents", "Proficiencies"})
        EXPECT_NE(tree.find(std::string(branch) + "\n"), std::string::npos) << branch;
}

// A field's value as text, whatever its kind.
std::string FieldValue(const CharacterFileField& f) {
    if (f.text)
        return f.text(current_character);
    if (f.number)
        return std::to_string(f.number(current_character));
    if (f.sibling)
        return f.sibling(current_character).str();
    return {};
}

TEST_F(CharacterXmlReaderTest, EveryPlainFieldComesBackAsWritten) {
    // A distinct value in every field of the shared table, markup and a long text among them.
    int n = 0;
    for (const CharacterFileField& f : CharacterFileFields()) {
        ++n;
        if (f.text)
            f.text(current_character) = std::string(f.tag) + " <&lt;> & \"" + std::to_string(n) + "\"";
        else if (f.number)
            f.number(current_character) = n * 7;
        else if (f.sibling)
            f.sibling(current_character) = std::string("sib & ") + std::to_string(n);
    }
    current_character.FAMILY_HERITAGE = std::string(600, 'h') + "\nend";
    current_character.CHARACTER_NAME = "Quill";
    // A class of all three background types, so all three blocks are written.
    auto entry = std::make_unique<CharacterClass>();
    entry->NAME = "Battle Priest";
    entry->MAGE = entry->FIGHTER = entry->CLERIC = 1;
    current_character.pClass = entry.get();
    CharacterClass::AddTail(std::move(entry));
    current_character.BOOK_CLASS_FLAG = {true, true, true, false};
    auto record = std::make_unique<ClassDataItem>();
    record->CLASS_NAME = "Battle Priest";
    ClassDataItem().AddTail(std::move(record));
    std::vector<std::string> before;
    for (const CharacterFileField& f : CharacterFileFields())
        before.push_back(FieldValue(f));
    const std::string saved = SaveAndOpen();

    for (size_t i = 0; i < CharacterFileFields().size(); ++i)
        EXPECT_EQ(FieldValue(CharacterFileFields()[i]), before[i]) << CharacterFileFields()[i].tag;
    // No race in the catalogue has this name: the link stays null and the texts stay.
    EXPECT_EQ(current_character.pRace, nullptr);
    EXPECT_EQ(current_character.pClass, FixtureClass("Battle Priest"));
    EXPECT_EQ(current_character.BOOK_CLASS_FLAG, (std::array<bool, 4>{true, true, true, false}));
    EXPECT_EQ(CharacterXMLText(), saved);
}

TEST_F(CharacterXmlReaderTest, ACharacterWithoutRaceOrClassRoundTripsWithNullLinks) {
    current_character.CHARACTER_NAME = "Nobody";
    current_character.RACE = "Elf"; // typed before the race step linked anything
    current_character.LEVEL = 3;
    const std::string saved = SaveAndOpen();
    EXPECT_EQ(CharacterXMLText(), saved);
    EXPECT_EQ(current_character.pRace, nullptr); // "Elf" with no sex matches no entry exactly
    EXPECT_EQ(current_character.pClass, nullptr);
    EXPECT_EQ(ClassDataItem::First(), nullptr);
    EXPECT_EQ(current_character.RACE, "Elf");
}

TEST_F(CharacterXmlReaderTest, AFileWithWindowsLineEndsReadsTheSame) {
    BuildTwoClassCharacter();
    const std::string saved = CharacterXMLText();
    std::string crlf;
    for (char c : saved)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    fs::create_directory("CharacterXML");
    std::ofstream("CharacterXML/copy.xml", std::ios::binary) << crlf;
    ASSERT_TRUE(OpenCharacterFile("copy.xml"));
    EXPECT_EQ(CharacterXMLText(), saved);
    EXPECT_EQ(current_character.pRace, FixtureRace("Elf", "Female"));
}

TEST_F(CharacterXmlReaderTest, OpeningASavedCharacterKeepsTheLogOfTheOneInHand) {
    program_data.LogFileName = "50.log";
    std::ofstream("50.log") << "BP=0.0    | All variables have been cleared \nBP=3.0    | Rolled \n";
    BuildTwoClassCharacter();
    ASSERT_TRUE(CreateXMLSheet(current_character.CHARACTER_NAME));
    ASSERT_TRUE(OpenCharacterFile(CharacterFileNameOf(current_character.CHARACTER_NAME)));
    EXPECT_EQ(program_data.LogFileName, "51.log");
    std::ifstream kept("50.log", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}),
              "BP=0.0    | All variables have been cleared \nBP=3.0    | Rolled \n");
    EXPECT_EQ(program_data.CharacterFile, "Ada Brightwater.xml");
}

TEST_F(CharacterXmlReaderTest, AFileThatCannotBeOpenedChangesNothing) {
    BuildTwoClassCharacter();
    program_data.WizardState = kWizardBackground;
    const std::string before = CharacterXMLText();
    EXPECT_FALSE(OpenCharacterFile("missing.xml"));
    fs::create_directories("CharacterXML/folder.xml");
    EXPECT_FALSE(OpenCharacterFile("folder.xml"));
    EXPECT_EQ(CharacterXMLText(), before);
    EXPECT_EQ(program_data.WizardState, kWizardBackground);
}

struct ReaderCase {
    const char* what;
    std::string bytes;
    std::function<void()> check;
};

TEST_F(CharacterXmlReaderTest, LineRulesOfTheReader) {
    const Character_Class& pc = current_character;
    const auto skills = [] {
        std::vector<std::pair<std::string, int32_t>> out;
        for (const SkillDataItem* s = SkillDataItem::First(); s; s = s->pNext.get())
            out.emplace_back(s->name, s->value);
        return out;
    };
    using Skills = std::vector<std::pair<std::string, int32_t>>;
    const ReaderCase cases[] = {
        {"a '>' in a value stays", "<CHARACTER_NAME>a>b</CHARACTER_NAME>\n",
         [&] { EXPECT_EQ(pc.CHARACTER_NAME, "a>b"); }},
        {"a '</' in a value cuts it", "<ALIGNMENT>Good</Evil</ALIGNMENT>\n",
         [&] { EXPECT_EQ(pc.ALIGNMENT, "Good"); }},
        {"a text element twice is joined", "<HANDEDNESS>Le</HANDEDNESS>\n<HANDEDNESS>ft</HANDEDNESS>\n",
         [&] { EXPECT_EQ(pc.HANDEDNESS, "Left"); }},
        {"entities are decoded once", "<MOTHER_STATUS>&amp;lt; &lt;b&gt; &#10;&quot;</MOTHER_STATUS>\n",
         [&] { EXPECT_EQ(pc.MOTHER_STATUS, "&lt; <b> \n\""); }},
        {"the weight tag carries its unit", "<CHARACTER_WEIGHT UNIT=\"lbs.\">150</CHARACTER_WEIGHT>\n",
         [&] { EXPECT_EQ(pc.CHARACTER_WEIGHT, 150); }},
        {"the social id is read", "<SOCIAL_ID>-4</SOCIAL_ID>\n", [&] { EXPECT_EQ(pc.SOCIAL_ID, -4); }},
        {"a tag holding two keys goes to the one read first, whatever their order in it",
         "<ALIGNMENT<SEX>Male</SEX>\n<WAR_EVENT<RACE>Elf</RACE>\n",
         [&] {
             EXPECT_EQ(pc.SEX, "Male");
             EXPECT_EQ(pc.ALIGNMENT, "");
             EXPECT_EQ(pc.RACE, "Elf");
             EXPECT_TRUE(pc.WAR_EVENT.empty());
         }},
        {"two skill names in a row: the second is the rating",
         "<SKILLNAME>Rowing</SKILLNAME>\n<SKILLNAME>12</SKILLNAME>\n<SKILLRATING>7</SKILLRATING>\n",
         [&] {
             EXPECT_EQ(skills(), (Skills{{"Rowing", 12}}));
         }},
        {"a skill name spends the root close as its rating, so the reading runs on",
         "<SKILLNAME>Rowing</SKILLNAME>\n</GOREWRIGHT_CHARACTER>\n<AGE>9</AGE>\n",
         [&] {
             EXPECT_TRUE(skills().empty());
             EXPECT_EQ(pc.AGE, 9);
         }},
        {"a skill at the end of the input adds nothing", "<SKILLNAME>Rowing</SKILLNAME>",
         [&] { EXPECT_TRUE(skills().empty()); }},
        {"a line with the root close is not read", "<LEVEL>5</LEVEL></GOREWRIGHT_CHARACTER>\n<AGE>9</AGE>\n",
         [&] {
             EXPECT_EQ(pc.LEVEL, 0);
             EXPECT_EQ(pc.AGE, 0);
         }},
        {"a root close without '>' is read and ends the reading",
         "<LEVEL>5</LEVEL></GOREWRIGHT_CHARACTER\n<AGE>9</AGE>\n",
         [&] {
             EXPECT_EQ(pc.LEVEL, 5);
             EXPECT_EQ(pc.AGE, 0);
         }},
        {"class lines: exponent, index 100 and -1 ignored",
         "<CLASS_DATA>\n<CLASS_NAME>Thief</CLASS_NAME>\n<CLASS_EXP>2.5e+06</CLASS_EXP>\n"
         "<CLASS_HITPOINTS_100>9</CLASS_HITPOINTS_100>\n<CLASS_HITPOINTS_-1>9</CLASS_HITPOINTS_-1>\n"
         "<CLASS_HITPOINTS_99>4</CLASS_HITPOINTS_99>\n<CLASS_HITPOINTS>3</CLASS_HITPOINTS>\n</CLASS_DATA>\n"
         "<LEVEL>2</LEVEL>\n",
         [&] {
             const ClassDataItem* c = ClassDataItem::First();
             ASSERT_NE(c, nullptr);
             EXPECT_EQ(c->CLASS_EXP, 2500000.0f);
             EXPECT_EQ(c->CLASS_HITPOINTS[99], 4);
             EXPECT_EQ(c->CLASS_HITPOINTS[0], 3);
             EXPECT_EQ(c->pClass, FixtureClass("Thief"));
             EXPECT_EQ(pc.pClass, FixtureClass("Thief")); // not "Fighter/Thief", which contains it
             EXPECT_EQ(pc.LEVEL, 2);
         }},
        {"a class block without its end runs to the end of the input",
         "<CLASS_NAME>Mage</CLASS_NAME>\n<CLASS_LEVEL>3</CLASS_LEVEL>\n<LEVEL>4</LEVEL>\n",
         [&] {
             ASSERT_NE(ClassDataItem::First(), nullptr);
             EXPECT_EQ(ClassDataItem::First()->CLASS_LEVEL, 3);
             EXPECT_EQ(pc.LEVEL, 0);
         }},
        {"the race links only by exact name and sex", "<RACE>Elf</RACE>\n<SEX>Male</SEX>\n",
         [&] { EXPECT_EQ(pc.pRace, FixtureRace("Elf", "Male")); }},
        {"a part of a race name links nothing", "<RACE>Elf</RACE>\n<SEX>Fem</SEX>\n",
         [&] {
             EXPECT_EQ(pc.pRace, nullptr);
             EXPECT_EQ(pc.SEX, "Fem");
         }},
        {"no race and no class link nothing, level 0 has no honor text", "<HONOR_BASE>12</HONOR_BASE>\n",
         [&] {
             EXPECT_EQ(pc.pRace, nullptr);
             EXPECT_EQ(pc.pClass, nullptr);
             EXPECT_EQ(pc.HONOR_DICE_TEXT, "");
             EXPECT_EQ(pc.HONOR_DIE, 0);
         }},
        {"the first element of a background sets its book",
         "<PA_THE_CALL></PA_THE_CALL>\n<SCHOOL_TYPE>x</SCHOOL_TYPE>\n",
         [&] {
             EXPECT_TRUE(pc.BOOK_CLASS_FLAG[2]);
             EXPECT_FALSE(pc.BOOK_CLASS_FLAG[0]);
         }},
        {"siblings are cut to their entry's length", "<SIBLING9>" + std::string(200, 's') + "</SIBLING9>\n",
         [&] { EXPECT_EQ(pc.SIBLING_TEXT[8].str(), std::string(SiblingText::kMaxLength, 's')); }},
    };
    for (const ReaderCase& c : cases) {
        SCOPED_TRACE(c.what);
        ResetGlobals();
        AddFixtureCatalogues();
        ReadCharacterBytes(c.bytes);
        c.check();
    }
}

} // namespace
