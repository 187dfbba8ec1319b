// The tree pushers: branch names, labels, values and nesting, on the headless
// tree.
#include "ui/tree_pushers.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/character.h"
#include "app/dice_log.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/tree_outline.h"
#include "ui/tree_model.h"

namespace {

class TreePushersTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        SetTreeWindowHost(nullptr);
        CharacterClass::Clear();
        BooksToUse[kBookCore] = 1;
        program_data.LogFileName = "pushers.log";
    }
    void TearDown() override {
        current_character.pRace = nullptr;
        CharacterClass::Clear();
        SetTreeWindowHost(nullptr);
        GlobalsTest::TearDown();
    }

    // The outline of everything under the first item named `name`, or "<none>"
    // when there is none.
    static std::string Under(const std::string& name) {
        const TreeModel* tree = CurrentTree();
        if (!tree)
            return "<none>";
        TreeItem found;
        Search(*tree, name, found, tree->GetRootItem());
        if (!found.IsOk())
            return "<none>";
        MemoryTreeModel copy;
        CopyInto(*tree, found, copy, copy.AddRoot("PC"));
        return TreeOutline(&copy);
    }

    static CharacterClass& AddClass(const std::string& name, int32_t book = kBookCore) {
        auto cls = std::make_unique<CharacterClass>();
        cls->NAME = name;
        cls->BOOK = book;
        for (float CharacterClass::*min :
             {&CharacterClass::MINSTR, &CharacterClass::MINDEX, &CharacterClass::MINCON,
              &CharacterClass::MININT, &CharacterClass::MINWIS, &CharacterClass::MINCHA,
              &CharacterClass::MINCOM})
            (*cls).*min = -99.0f;
        for (float CharacterClass::*max :
             {&CharacterClass::MAXSTR, &CharacterClass::MAXDEX, &CharacterClass::MAXCON,
              &CharacterClass::MAXINT, &CharacterClass::MAXWIS, &CharacterClass::MAXCHA,
              &CharacterClass::MAXCOM})
            (*cls).*max = 99.0f;
        CharacterClass& ref = *cls;
        CharacterClass::AddTail(std::move(cls));
        return ref;
    }

    static ClassDataItem& TakeClass(const std::string& name, CharacterClass* entry, int32_t level) {
        auto item = std::make_unique<ClassDataItem>();
        item->CLASS_NAME = name;
        item->pClass = entry;
        item->CLASS_LEVEL = level;
        ClassDataItem& ref = *item;
        current_character.CLASS_DATA.AddTail(std::move(item));
        return ref;
    }

    ScopedTempDir dir_; // the dice log of messagetotree is written here

private:
    static void CopyInto(const TreeModel& from, TreeItem item, MemoryTreeModel& to, TreeItem parent) {
        for (TreeItem c = from.GetFirstChild(item); c.IsOk(); c = from.GetNextSibling(c))
            CopyInto(from, c, to, to.AppendItem(parent, from.GetItemText(c)));
    }
};

template <class Node> void Add(const std::string& name, int32_t value) {
    auto node = std::make_unique<Node>();
    node->name = name;
    node->value = value;
    Node().AddTail(std::move(node));
}

// ---- list pushers ----

struct ListCase {
    const char* what;
    std::function<void()> fill;
    void (*pusher)();
    const char* branch;
    const char* expected;
};

TEST_F(TreePushersTest, ListPushersShowOneLabelPerNodeWithTheirValueText) {
    const ListCase cases[] = {
        {"skills",
         [] {
             Add<SkillDataItem>("Climbing", 45);
             Add<SkillDataItem>("Language, Modern: Low", 100);
         },
         &sendskillstotree, "Skills", "Climbing\n  45\nLanguage, Modern: Low\n  100\n"},
        {"equipment",
         [] {
             Add<EquipDataItem>("Starting Clothes", 1);
             Add<EquipDataItem>("Arrow", 24);
         },
         &sendequiptotree, "Equipment", "Starting Clothes\n  1\nArrow\n  24\n"},
        // Taken once: the name alone; more often: the count.
        {"talents",
         [] {
             Add<TalentDataItem>("Keen Sight", 1);
             Add<TalentDataItem>("Tough Hide", 3);
         },
         &sendtalentstotree, "Talents", "Keen Sight\nTough Hide\n  3\n"},
        {"proficiencies",
         [] {
             Add<ProfDataItem>("Dagger", 1);
             Add<ProfDataItem>("Long Sword", 2);
             Add<ProfDataItem>("Mace", 3);
             Add<ProfDataItem>("Spear", 4);
             Add<ProfDataItem>("Sling", 0);
         },
         &sendprofstotree, "Proficiencies",
         "Dagger\n  Basic\nLong Sword\n  Specialized\nMace\n  Mastery\nSpear\n  "
         "Grand Mastery\nSling\n  0\n"},
        // Held twice is still one label, with no count.
        {"quirks",
         [] {
             Add<QuirkDataItem>("Acrophobia", 2);
             Add<QuirkDataItem>("Nervous Tic", 1);
         },
         &sendquirkflawtotree, "Quirks and Flaws", "Acrophobia\nNervous Tic\n"},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.what);
        c.fill();
        c.pusher();
        EXPECT_EQ(Under(c.branch), c.expected);
    }
}

TEST_F(TreePushersTest, AnEmptyListPushesNothingSoTheBranchKeepsItsEarlierContent) {
    struct Case {
        const char* branch;
        void (*pusher)();
        std::function<void()> fill;
        std::function<void()> empty;
    };
    const Case cases[] = {
        {"Skills", &sendskillstotree, [] { Add<SkillDataItem>("Climbing", 45); },
         [] { SkillDataItem().Clear(); }},
        {"Equipment", &sendequiptotree, [] { Add<EquipDataItem>("Rope", 1); },
         [] { EquipDataItem().Clear(); }},
        {"Talents", &sendtalentstotree, [] { Add<TalentDataItem>("Keen Sight", 2); },
         [] { TalentDataItem().Clear(); }},
        {"Proficiencies", &sendprofstotree, [] { Add<ProfDataItem>("Dagger", 1); },
         [] { ProfDataItem().Clear(); }},
        {"Quirks and Flaws", &sendquirkflawtotree, [] { Add<QuirkDataItem>("Acrophobia", 1); },
         [] { QuirkDataItem().Clear(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.branch);
        c.pusher();
        EXPECT_EQ(Under(c.branch), "<none>");
        c.fill();
        c.pusher();
        const std::string shown = Under(c.branch);
        EXPECT_NE(shown, "<none>");
        c.empty();
        c.pusher();
        EXPECT_EQ(Under(c.branch), shown);
    }
}

// ---- prior and particulars ----

TEST_F(TreePushersTest, PriorAndParticularsShowsItsTwentyFourPairsInOrder) {
    Character_Class& pc = current_character;
    pc.AGE = 25;
    pc.CHARACTER_HEIGHT = 70;
    pc.CHARACTER_WEIGHT = 180;
    pc.SIBLINGS = -2;
    pc.SOCIAL_CLASS = "Lower Middle Class";
    pc.LEGITAMACY_OF_BIRTH = "Legitimate";
    pc.HANDEDNESS = "Left";
    pc.MOTHER_STATUS = "Alive";
    pc.FATHER_STATUS = "Dead";
    pc.MOTHER_QUALITY = "Kind";
    pc.FAMILY_HERITAGE = "Honorable";
    pc.BIRTH_ORDER = "First born";
    pc.SIBLING_TEXT[0] = "Brother";
    pc.SIBLING_TEXT[8] = "Sister";
    pc.SIBLING_TEXT[9] = "Never shown";
    messagePPtotree();
    EXPECT_EQ(Under("Prior and Particulars"),
              "Age\n  25 years\n"
              "Height\n  70 inches\n"
              "Weight\n  180 lbs\n"
              "Siblings\n  -2\n"
              "Social_Class\n  Lower Middle Class\n"
              "Legitamacy_of_Birth\n  Legitimate\n"
              "Handeness\n  Left\n"
              "Birth_Circumstance\n"
              "Mother\n  Alive\n"
              "Father\n  Dead\n"
              "Mother Quality\n  Kind\n"
              "Father Quality\n"
              "Step_Parent\n"
              "Heritage\n  Honorable\n"
              "Birth_Order\n  First born\n"
              "Sibling 1\n  Brother\n"
              "Sibling 2\nSibling 3\nSibling 4\nSibling 5\nSibling 6\nSibling 7\n"
              "Sibling 8\n"
              "Sibling 9\n  Sister\n");
}

// ---- racial data ----

TEST(LevelLimitTextTest, NinetyNineAndOneReadAsWords) {
    const struct {
        const char* limit;
        const char* shown;
    } cases[] = {
        {"99", "Unlimitted"}, {"1", "Allowed"},  {"12", "12"},   {"099", "Unlimitted"},
        {" 1", "Allowed"},    {"1 ", "Allowed"}, {"0", "0"},     {"", ""},
        {"abc", "abc"},       {"-1", "-1"},      {"199", "199"}, {"99999999999", "99999999999"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LevelLimitText(c.limit), c.shown) << '"' << c.limit << '"';
}

TEST_F(TreePushersTest, WithoutARaceOnlyTheAbilityBranchesArePushed) {
    messagetotree();
    EXPECT_EQ(Under("Racial Data"), "<none>");
    EXPECT_EQ(Under("Movement"), "<none>");
    EXPECT_NE(TreeOutline(CurrentTree()), "");
}

TEST_F(TreePushersTest, RacialDataListsTheEnabledClassesWithTheirLimitsAndMovement) {
    BooksToUse[kBookMagister] = 1;
    AddClass("Fighter");
    CharacterClass& thief = AddClass("Thief");
    thief.MINDEX = 9.0f;
    thief.MAXCHA = 17.5f;
    AddClass("Mage", kBookMagister);
    AddClass("Priest", kBookPriest); // book not enabled
    AddClass("Ranger", 150);         // a book no option exists for
    AddClass("Bard", -1);
    AddClass("Monk"); // last of the catalogue

    CharacterRace race;
    race.NAME = "Elf";
    race.SEX = "Female";
    race.MOVE = 12;
    race.LEVELLIMIT = {"fighter=99", "Thief=1",  "No limit here", "MAGE=12",
                       "Priest=5",   "Ranger=3", "Bard=4",        "Monk=7"};
    current_character.pRace = &race;
    messagetotree();

    EXPECT_EQ(Under("Racial Data"), "Race\n  Elf\n"
                                    "Sex\n  Female\n"
                                    "Movement\n"
                                    "  Unencumbered\n    12\n  Light\n    9\n  Moderate\n    6\n"
                                    "  Heavy Laden\n    3\n  Severe\n    1\n"
                                    "Classes Available\n"
                                    "  fighter\n    Level Limit\n      Unlimitted\n"
                                    "  Thief\n    Level Limit\n      Allowed\n"
                                    "    minimum DEX\n      9.00\n    maximum CHA\n      17.50\n"
                                    "  MAGE\n    Level Limit\n      12\n"
                                    "  Monk\n    Level Limit\n      7\n");
    EXPECT_NE(ReadLogFile("pushers.log").find("| entering movement"), std::string::npos);
}

TEST_F(TreePushersTest, MovementRatesFollowTheRateFromTheDerivedStatistics) {
    struct Case {
        int32_t move;
        const char* expected;
    } cases[] = {
        {12, "Unencumbered\n  12\nLight\n  9\nModerate\n  6\nHeavy Laden\n  "
             "3\nSevere\n  1\n"},
        {7, "Unencumbered\n  7\nLight\n  5\nModerate\n  3\nHeavy Laden\n  "
            "1\nSevere\n  1\n"},
        {1, "Unencumbered\n  1\nLight\n  0\nModerate\n  0\nHeavy Laden\n  "
            "0\nSevere\n  1\n"},
        {-5, "Unencumbered\n  -5\nLight\n  -3\nModerate\n  -2\nHeavy Laden\n  "
             "-1\nSevere\n  1\n"},
    };
    CharacterRace race;
    race.NAME = "Human";
    current_character.pRace = &race;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.move);
        race.MOVE = c.move;
        messagetotree();
        EXPECT_EQ(Under("Movement"), c.expected);
    }
}

TEST_F(TreePushersTest, ARaceWhoseClassesAreAllDisabledKeepsThePlaceholder) {
    AddClass("Priest", kBookPriest);
    CharacterRace race;
    race.NAME = "Gnome";
    race.LEVELLIMIT = {"Priest=5"};
    current_character.pRace = &race;
    messagetotree();
    EXPECT_EQ(Under("Classes Available"), "t\n");
}

// ---- class data ----

TEST_F(TreePushersTest, ClassDataReplacesClassesAvailableAndMessagetotreeBringsItBack) {
    CharacterClass& fighter = AddClass("Fighter");
    CharacterRace race;
    race.NAME = "Dwarf";
    race.MOVE = 6;
    race.LEVELLIMIT = {"Fighter=12"};
    current_character.pRace = &race;
    current_character.HIT_POINTS = 14;
    TakeClass("Fighter", &fighter, 1);

    messagetotree();
    ASSERT_NE(Under("Classes Available"), "<none>");
    messagetotreeStep8();
    EXPECT_EQ(Under("Classes Available"), "<none>");
    EXPECT_EQ(Under("Class Data"), "Fighter\n  Level\n    1\nHit Points\n  14\n");

    messagetotree();
    EXPECT_EQ(Under("Classes Available"), "Fighter\n  Level Limit\n    12\n");
    EXPECT_EQ(Under("Class Data"), "Fighter\n  Level\n    1\nHit Points\n  14\n");
}

TEST_F(TreePushersTest, ThiefTotalsShowOnlyUnderTheThiefAndAreStoredInTheRecord) {
    CharacterClass& fighter = AddClass("Fighter");
    CharacterClass& thief = AddClass("Thief");
    thief.THIEF = 1;
    TakeClass("Fighter", &fighter, 1);
    ClassDataItem& t = TakeClass("Thief", &thief, 1);
    t.CLASS_PICK_POCKETS[0] = 15;
    t.CLASS_PICK_POCKETS[1] = 10;
    t.CLASS_PICK_POCKETS[2] = 50; // above the class's level: not counted
    t.CLASS_OPEN_LOCKS[0] = 10;
    t.CLASS_READ_LANGUAGES[1] = 5;

    messagetotreeStep8();
    EXPECT_EQ(Under("Class Data"), "Fighter\n  Level\n    1\n"
                                   "Thief\n  Level\n    1\n"
                                   "  Pick Pockets\n    25\n  Open Locks\n    10\n  Find Traps\n    0\n"
                                   "  Remove Traps\n    0\n  Move Silently\n    0\n  Hide in Shadows\n    "
                                   "0\n"
                                   "  Detect Noise\n    0\n  Climb Walls\n    0\n  Read Languages\n    5\n"
                                   "Hit Points\n  0\n");
    const std::array<int32_t, 9> expected = {25, 10, 0, 0, 0, 0, 0, 0, 5};
    EXPECT_EQ(current_character.THIEF_SKILLS, expected);
}

TEST_F(TreePushersTest, WithTwoThiefClassesTheRecordKeepsTheLaterTotals) {
    CharacterClass& thief = AddClass("Thief");
    thief.THIEF = 1;
    CharacterClass& bard = AddClass("Bard");
    bard.THIEF = 1;
    TakeClass("Thief", &thief, 1).CLASS_CLIMB_WALLS[0] = 60;
    TakeClass("Bard", &bard, 1).CLASS_CLIMB_WALLS[0] = 40;
    messagetotreeStep8();
    EXPECT_EQ(current_character.THIEF_SKILLS[7], 40);
}

TEST_F(TreePushersTest, UnlinkedOrOutOfRangeClassItemsReadNothingOutsideTheirTables) {
    ClassDataItem& unlinked = TakeClass("Lost Class", nullptr, 1);
    unlinked.CLASS_PICK_POCKETS[0] = 30;
    CharacterClass& thief = AddClass("Thief");
    thief.THIEF = 1;
    ClassDataItem& veteran = TakeClass("Thief", &thief, 150);
    veteran.CLASS_DETECT_NOISE.fill(1);
    current_character.THIEF_SKILLS.fill(-7);

    messagetotreeStep8();
    EXPECT_EQ(Under("Lost Class"), "Level\n  1\n");
    const std::string shown = Under("Thief");
    EXPECT_NE(shown.find("Level\n  150\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Detect Noise\n  100\n"), std::string::npos) << shown;
    EXPECT_EQ(current_character.THIEF_SKILLS[6], 100);
}

TEST(LevelTableSumTest, SumsEntriesUpToTheLevelWithinTheTable) {
    LevelTable ones{};
    ones.fill(1);
    LevelTable big{};
    big.fill(INT32_MAX);
    LevelTable low{};
    low.fill(INT32_MIN);
    const struct {
        const LevelTable* table;
        int32_t level;
        int32_t sum;
    } cases[] = {
        {&ones, 0, 1},         {&ones, 1, 2},        {&ones, 99, 100},
        {&ones, 100, 100},     {&ones, -1, 0},       {&ones, INT32_MAX, 100},
        {&ones, INT32_MIN, 0}, {&big, 2, INT32_MAX}, {&low, 2, INT32_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LevelTableSum(*c.table, c.level), c.sum) << c.level;
}

TEST_F(TreePushersTest, SpellsAndSourcebookBackgroundsHangUnderClassData) {
    Character_Class& pc = current_character;
    Add<SpellDataItem>("Light", 2);
    Add<SpellDataItem>("Sleep", 1);
    pc.BOOK_CLASS_FLAG = {true, false, true, true};
    pc.SCHOOL_LOCATION = "City";
    pc.FINAL_OUTCOME = "Graduated";
    pc.PA_THE_CALL = "A dream";
    pc.PA_FINAL_RESULTS = "Good";
    messagetotreeStep8();
    EXPECT_EQ(Under("Class Data"), "Hit Points\n  0\n"
                                   "Spells Known\n  Light\n    2\n  Sleep\n    1\n"
                                   "MA Background\n"
                                   "  Location of Mage School\n    City\n  Type of Mage School\n"
                                   "  Quality of Master: Nurture\n  Quality of Master: Education\n"
                                   "  Class Size\n  Classroom Equipment\n  Graduating Class Rank\n"
                                   "  Final Outcome\n    Graduated\n"
                                   "PA Background\n"
                                   "  The Call\n    A dream\n  Type of Ecclesiastical Training\n"
                                   "  Competency of Reverend Superior\n  Personality of Reverend Superior\n"
                                   "  Religious Accoutrements\n  Location of Residency\n  Results of "
                                   "Residency\n"
                                   "  Quality of Education Final Results\n    Good\n"
                                   "RA Background\n  Sourcebook\n    Rogue's Almanac\n");
}

TEST_F(TreePushersTest, FighterBackgroundWithoutEventsHasNoEventLabels) {
    current_character.BOOK_CLASS_FLAG[1] = true;
    current_character.CAMP_TYPE = "Regular";
    messagetotreeStep8();
    EXPECT_EQ(Under("WA Background"), "Type of Training Camp\n  Regular\n"
                                      "Quality of Basic Training\n"
                                      "Results of Basic Training\n"
                                      "Specialty Assignment\n"
                                      "Quality of Advanced Individual Training\n"
                                      "State of Hostilities\n"
                                      "Local Attitude to Occupying Force\n"
                                      "Notable Events During Occupation\n"
                                      "Notable Events to Quell Guerilla Movement\n");
}

TEST_F(TreePushersTest, FighterBackgroundEventsHangUnderTheirLabels) {
    Character_Class& pc = current_character;
    pc.BOOK_CLASS_FLAG[1] = true;
    pc.ACCIDENT_EVENT = {"Broken arm", "", "Lost a toe", "Fourth is never shown"};
    pc.STATE_OF_HOSTILITIES = "War";
    pc.WAR_EVENT = {"Decorated", "Wounded"};
    pc.NONCOMBAT_EVENT = {"", "Guard duty"};
    messagetotreeStep8();
    EXPECT_EQ(Under("WA Background"), "Type of Training Camp\n"
                                      "Quality of Basic Training\n"
                                      "Results of Basic Training\n"
                                      "Training Accidents\n  Broken arm\n  Lost a toe\n"
                                      "Specialty Assignment\n"
                                      "Quality of Advanced Individual Training\n"
                                      "State of Hostilities\n  War\n"
                                      "War\n  Decorated\n  Wounded\n"
                                      "Local Attitude to Occupying Force\n"
                                      "Notable Events During Occupation\n"
                                      "Notable Events to Quell Guerilla Movement\n"
                                      "Notable Events During Non Combat Tour of Duty\n  Guard duty\n");

    // Pushing again rebuilds the branch the same way.
    messagetotreeStep8();
    EXPECT_NE(Under("WA Background").find("War\n  Decorated\n  Wounded\n"), std::string::npos);
}

} // namespace
