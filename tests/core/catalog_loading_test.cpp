#include <gtest/gtest.h>

#include "catalog/catalogues.h"
#include "catalog/class_catalog.h"
#include "catalog/equipment_catalog.h"
#include "catalog/race_catalog.h"
#include "catalog/skill_catalog.h"
#include "catalog/talent_catalog.h"
#include "support/catalog_files.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

namespace {

class CatalogLoadingTest : public GlobalsTest {};

template <class Entry> std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const Entry* p = Entry::First(); p; p = p->pNext.get())
        names.push_back(p->NAME);
    return names;
}

std::string AppendTrace(const std::string& name, bool first) {
    std::string t = "Loading " + name + "\nopening " + name + "\nLoaded " + name + "\nAdding Tail\n";
    if (!first)
        t += "Entering while loop\nLeaving while loop\nLeaving Adding Tail\n";
    return t;
}

TEST_F(CatalogLoadingTest, EachFileWritesFourTraceLinesAndEveryLaterOneSeven) {
    struct Case {
        const char* kind;
        void (*load)(const std::filesystem::path&);
        std::vector<std::string> files;
        bool blank;
    } cases[] = {
        {"races",
         CharacterRace::LoadRace,
         {"MarshRunner_Female_Race.qxf", "MarshRunner_Male_Race.qxf"},
         false},
        {"classes", CharacterClass::LoadClass, {"Lamplighter_Class.qxf", "TinkerClass.qxf"}, false},
        {"skills", CharacterSkill::LoadSkill, {"BellRinging_Skill.qxf", "CandleMaking_Skill.qxf"}, true},
        {"spells", CharacterSpell::LoadSpell, {"LampGlow_Spell.qxf"}, false},
        {"talents", CharacterTalent::LoadTalent, {"SteadyHands_Talent.qxf"}, true},
        {"proficiencies", CharacterProf::LoadProfs, {"Hammer_Prof.qxf"}, true},
        {"equipment",
         CharacterEquip::LoadEquip,
         {"Categories_Equipment.qxf", "LampOil_Equipment.qxf"},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        std::string expected;
        for (size_t i = 0; i < c.files.size(); ++i)
            expected += AppendTrace(c.files[i], i == 0);
        if (c.blank) // the blank entry has no Loading/Loaded lines, only the reader's own
            expected += "opening empty.qxf\nAdding Tail\nEntering while loop\nLeaving while loop\nLeaving "
                        "Adding Tail\n";
        testing::internal::CaptureStdout();
        c.load(FixtureCatalogs());
        EXPECT_EQ(testing::internal::GetCapturedStdout(), expected);
    }
    EXPECT_EQ(Names<CharacterRace>(), (std::vector<std::string>{"Marsh Runner", "Marsh Runner"}));
    EXPECT_EQ(CharacterRace::First()->SEX, "Female"); // the Windows line-end file, read like the other
    EXPECT_EQ(CharacterRace::First()->MOVE, 10);
    EXPECT_EQ(Names<CharacterClass>(), (std::vector<std::string>{"Lamplighter", "Tinker"}));
    EXPECT_EQ(Names<CharacterSkill>(), (std::vector<std::string>{"Bell Ringing", "Candle Making", ""}));
    EXPECT_EQ(Names<CharacterTalent>(), (std::vector<std::string>{"Steady Hands", ""}));
    EXPECT_EQ(Names<CharacterProf>(), (std::vector<std::string>{"Hammer", ""}));
    EXPECT_EQ(Names<CharacterEquip>(), (std::vector<std::string>{"Categories", "Lamp Oil"}));
}

TEST_F(CatalogLoadingTest, LoadCataloguesReadsTheSevenFoldersOfTheWorkingDirectoryAndStaysThere) {
    ScopedTempDir dir;
    std::filesystem::copy(FixtureCatalogs(), dir.path(), std::filesystem::copy_options::recursive);
    const auto before = std::filesystem::current_path();

    testing::internal::CaptureStdout();
    LoadCatalogues();
    const std::string trace = testing::internal::GetCapturedStdout();

    EXPECT_EQ(std::filesystem::current_path(), before);
    // Races first, equipment last.
    const char* order[] = {"Loading MarshRunner_Female_Race.qxf", "Loading Lamplighter_Class.qxf",
                           "Loading BellRinging_Skill.qxf",       "Loading LampGlow_Spell.qxf",
                           "Loading SteadyHands_Talent.qxf",      "Loading Hammer_Prof.qxf",
                           "Loading Categories_Equipment.qxf"};
    size_t at = 0;
    for (const char* line : order) {
        const size_t found = trace.find(line, at);
        ASSERT_NE(found, std::string::npos) << line;
        at = found;
    }
    EXPECT_EQ(CharacterRace::Count(), 2u);
    EXPECT_EQ(CharacterClass::Count(), 2u);
    EXPECT_EQ(CharacterSkill::Count(), 3u);
    EXPECT_EQ(CharacterSpell::Count(), 1u);
    EXPECT_EQ(CharacterTalent::Count(), 2u);
    EXPECT_EQ(CharacterProf::Count(), 2u);
    EXPECT_EQ(CharacterEquip::Count(), 2u);
}

TEST_F(CatalogLoadingTest, AMissingFolderGivesAnEmptyCatalogueAndNothingFromTheStartFolder) {
    ScopedTempDir dir;
    // Files that would match if the search ran in the start folder itself.
    WriteTextFile(dir.path() / "Stray_Race.qxf", "<NAME>Stray</NAME>\n");
    WriteTextFile(dir.path() / "StrayClass.qxf", "<NAME>Stray</NAME>\n");
    WriteTextFile(dir.path() / "Stray_Skill.qxf", "<NAME>Stray</NAME>\n");
    WriteTextFile(dir.path() / "Stray_Talent.qxf", "<NAME>Stray</NAME>\n");
    WriteTextFile(dir.path() / "empty.qxf", "<NAME>Stray blank</NAME>\n<MAX>5</MAX>\n");

    testing::internal::CaptureStdout();
    LoadCatalogues();
    const std::string trace = testing::internal::GetCapturedStdout();

    EXPECT_EQ(trace.find("Loading"), std::string::npos);
    EXPECT_EQ(CharacterRace::First(), nullptr);
    EXPECT_EQ(CharacterClass::First(), nullptr);
    EXPECT_EQ(CharacterSpell::First(), nullptr);
    EXPECT_EQ(CharacterEquip::First(), nullptr);
    // Skills, talents and proficiencies still end with a blank entry, left at its starting values.
    ASSERT_EQ(CharacterSkill::Count(), 1u);
    EXPECT_EQ(CharacterSkill::First()->NAME, "");
    ASSERT_EQ(CharacterTalent::Count(), 1u);
    EXPECT_EQ(CharacterTalent::First()->NAME, "");
    EXPECT_EQ(CharacterTalent::First()->MAX, 1);
    ASSERT_EQ(CharacterProf::Count(), 1u);
    EXPECT_EQ(CharacterProf::First()->NAME, "");
}

TEST_F(CatalogLoadingTest, BlankEntryIsLastEvenWithoutItsFile) {
    ScopedTempDir dir;
    WriteTextFile(dir.path() / "Talents" / "b_Talent.qxf", "<NAME>Second</NAME>\n");
    WriteTextFile(dir.path() / "Talents" / "a_Talent.qxf", "<NAME>First</NAME>\n");
    WriteTextFile(dir.path() / "Talents" / "empty.qxf", "<NAME>Blank</NAME>\n<BP>3</BP>\n");
    WriteTextFile(dir.path() / "Proficiencies" / "a_Prof.qxf", "<NAME>Club</NAME>\n");

    testing::internal::CaptureStdout();
    CTalent.LoadTalent();
    CProfs.LoadProfs();
    const std::string trace = testing::internal::GetCapturedStdout();

    EXPECT_EQ(Names<CharacterTalent>(), (std::vector<std::string>{"First", "Second", "Blank"}));
    EXPECT_EQ(CharacterTalent::Last()->BP, 3);
    EXPECT_EQ(Names<CharacterProf>(), (std::vector<std::string>{"Club", ""}));
    EXPECT_NE(trace.find("opening empty.qxf\n"), std::string::npos);
}

TEST_F(CatalogLoadingTest, EveryListedFileBecomesAnEntryWhateverItHolds) {
    ScopedTempDir dir;
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 73 + 11) % 256);
    WriteTextFile(dir.path() / "Races" / "a_Race.qxf", "");
    WriteTextFile(dir.path() / "Races" / "b_Race.qxf", garbage);
    WriteTextFile(dir.path() / "Races" / "c_Race.qxf", "<NAME>Open ended</NAME>\n<MOVE>7");
    WriteTextFile(dir.path() / "Races" / "d_Race.qxf",
                  "<NAME>" + std::string(5000, 'n') + "</NAME>\n<MOVE>3</MOVE>\n");
    WriteTextFile(dir.path() / "Races" / "e_Race.qxf", "<MOVE>lots</MOVE>\n<NAME>No number</NAME>\n");

    testing::internal::CaptureStdout();
    CRace.LoadRace();
    testing::internal::GetCapturedStdout();

    ASSERT_EQ(CharacterRace::Count(), 5u);
    const CharacterRace* r = CharacterRace::First();
    EXPECT_EQ(r->NAME, "");
    r = r->pNext->pNext.get();
    EXPECT_EQ(r->NAME, "Open ended"); // no end tag, and a last line without its "</"
    EXPECT_EQ(r->MOVE, 0);
    r = r->pNext.get();
    EXPECT_EQ(r->NAME, ""); // an over-long line ends the file before its "</"
    EXPECT_EQ(r->MOVE, 0);
    r = r->pNext.get();
    EXPECT_EQ(r->NAME, "No number");
    EXPECT_EQ(r->MOVE, 0);
}

TEST_F(CatalogLoadingTest, AppendingAfterEmptyingStartsAFreshList) {
    testing::internal::CaptureStdout();
    CharacterSpell::AddTail(std::make_unique<CharacterSpell>());
    CharacterSpell::AddTail(std::make_unique<CharacterSpell>());
    CharacterSpell::Clear();
    auto spell = std::make_unique<CharacterSpell>();
    spell->NAME = "Alone";
    CharacterSpell::AddTail(std::move(spell));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Adding Tail\nAdding Tail\nEntering while loop\nLeaving while loop\nLeaving Adding Tail\n"
              "Adding Tail\n");
    EXPECT_EQ(CharacterSpell::Count(), 1u);
    EXPECT_EQ(CharacterSpell::Last(), CharacterSpell::First());
    EXPECT_EQ(CharacterSpell::Last()->NAME, "Alone");
}

TEST_F(CatalogLoadingTest, ALongCatalogueIsReleasedWithoutDeepRecursion) {
    std::streambuf* old = std::cout.rdbuf(nullptr); // the trace of 300,000 appends is not wanted here
    for (int i = 0; i < 300000; ++i)
        CharacterProf::AddTail(std::make_unique<CharacterProf>());
    std::cout.rdbuf(old);
    std::cout.clear();
    EXPECT_EQ(CharacterProf::Count(), 300000u);
    CharacterProf::Clear();
    EXPECT_EQ(CharacterProf::First(), nullptr);
}

} // namespace
