#include <climits>
#include <gtest/gtest.h>
#include <memory>

#include "app/character.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
#include "steps/class_rules.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

namespace {

const std::array<std::string, 7> kNoBP = {"", "", "", "", "", "", ""};

class ClassRulesTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        Prepare();
    }

    // The character of every case: all abilities 10/50, class step open, a race for the usual classes.
    void Prepare() {
        current_character = Character_Class();
        program_data = ProgramData();
        BooksToUse.fill(0);
        program_data.LogFileName = "8.log";
        BooksToUse[kBookCore] = 1;
        race_.LEVELLIMIT = {"Fighter=12", "Thief=14", "Fighter/Thief=12", "Mage=15"};
        current_character.pRace = &race_;
        current_character.ABILITY_BASE = {10, 10, 10, 10, 10, 10, 10};
        current_character.ABILITY_PERC = {50, 50, 50, 50, 50, 50, 50};
        program_data.WizardState = kWizardClass;
    }

    // A class open to every ability from 3 to 99, in the core book, with no social requirement.
    static CharacterClass& AddClass(const std::string& name) {
        auto c = std::make_unique<CharacterClass>();
        c->NAME = name;
        c->MINSTR = c->MINDEX = c->MINCON = c->MININT = c->MINWIS = c->MINCHA = c->MINCOM = 3.0f;
        c->MAXSTR = c->MAXDEX = c->MAXCON = c->MAXINT = c->MAXWIS = c->MAXCHA = c->MAXCOM = 99.0f;
        CharacterClass& added = *c;
        CharacterClass::AddTail(std::move(c));
        return added;
    }

    static std::vector<std::string> Listed() {
        std::vector<std::string> names;
        for (const CharacterClass* c :
             ClassesForAbilities(current_character.ABILITY_BASE, current_character.ABILITY_PERC))
            names.push_back(c->NAME);
        return names;
    }

    ScopedTempDir dir_;
    CharacterRace race_;
};

TEST(EqualizeAbilityScoreTest, CarriesAndBorrowsWholeHundredsLeavingZeroToHundred) {
    struct Case {
        int32_t score, fraction, wantScore, wantFraction;
    };
    const Case cases[] = {
        {15, 105, 16, 5},
        {15, 100, 15, 100},
        {15, 0, 15, 0},
        {15, 101, 16, 1},
        {15, 200, 16, 100},
        {15, 201, 17, 1},
        {15, -1, 14, 99},
        {15, -100, 14, 0},
        {15, -101, 13, 99},
        {3, 250050, 2503, 50},
        {INT32_MAX, 150, INT32_MAX, 50},
        {0, INT32_MIN, -21474837, 52},
        {0, INT32_MAX, 21474836, 47},
    };
    for (const Case& c : cases) {
        int32_t score = c.score, fraction = c.fraction;
        EqualizeAbilityScore(score, fraction);
        EXPECT_EQ(score, c.wantScore) << c.score << "/" << c.fraction;
        EXPECT_EQ(fraction, c.wantFraction) << c.score << "/" << c.fraction;
    }
}

TEST(AllotBPTest, TwentyFiveFractionPointsPerBPAndTheSumAgainstThePool) {
    struct Case {
        int32_t score, fraction;
        const char* typed;
        int32_t wantScore, wantFraction, wantEntered;
    };
    const Case cases[] = {
        {15, 80, "1", 16, 5, 1},
        {15, 75, "1", 15, 100, 1},
        {15, 50, "4", 16, 50, 4},
        {15, 10, "-1", 14, 85, -1},
        {15, 10, " +2x", 15, 60, 2},
        {15, 10, "abc", 15, 10, 0},
        {15, 10, "", 15, 10, 0},
        {15, 10, "999999999999", 2515, 10, 10000},
        {15, 10, "-999999999999", -2485, 10, -10000},
    };
    for (const Case& c : cases) {
        AbilityValues scores{}, fractions{};
        scores[3] = c.score;
        fractions[3] = c.fraction;
        std::array<std::string, 7> typed = kNoBP;
        typed[3] = c.typed;
        const BPAllotment a = AllotBP(scores, fractions, typed, 20000.0f);
        EXPECT_EQ(a.scores[3], c.wantScore) << c.typed;
        EXPECT_EQ(a.fractions[3], c.wantFraction) << c.typed;
        EXPECT_EQ(a.entered[3], c.wantEntered) << c.typed;
        EXPECT_EQ(a.spent, c.wantEntered) << c.typed;
        EXPECT_EQ(a.scores[0], 0) << "the other abilities stay as they were";
        EXPECT_EQ(a.fractions[0], 0);
    }

    // The sum over all seven against the pool: equal is accepted, one more is refused.
    const std::array<std::string, 7> typed = {"1", "2", "-1", "3", "0", "1", "4"};
    EXPECT_EQ(AllotBP({}, {}, typed, 10.0f).spent, 10);
    EXPECT_TRUE(AllotBP({}, {}, typed, 10.0f).accepted);
    EXPECT_FALSE(AllotBP({}, {}, typed, 9.5f).accepted);
    EXPECT_TRUE(AllotBP({}, {}, {"-2", "", "", "", "", "", ""}, 0.0f).accepted) << "BP given back";
}

TEST(BPLeftTextTest, PoolLessSpentLeftAlignedWithoutDecimals) {
    EXPECT_EQ(BPLeftText(10.0f, 4), "6  ");
    EXPECT_EQ(BPLeftText(10.0f, 10), "0  ");
    EXPECT_EQ(BPLeftText(10.0f, 11), "-1 ");
    EXPECT_EQ(BPLeftText(10.0f, -2), "12 ");
    EXPECT_EQ(BPLeftText(1234.0f, 0), "1234");
}

TEST_F(ClassRulesTest, AnAcceptedApplyLogsAndDropsTheClassButStoresNothing) {
    CharacterClass& fighter = AddClass("Fighter");
    current_character.pClass = &fighter;
    program_data.BuildingPoints = 5.0f;
    const std::array<std::string, 7> typed = {"1", "", "", "", "", "-1", "5"};
    const BPAllotment first = ApplyClassStepBP(typed);
    ASSERT_TRUE(first.accepted);
    EXPECT_EQ(first.spent, 5);
    EXPECT_EQ(current_character.pClass, nullptr);
    EXPECT_EQ(current_character.ABILITY_BASE, (AbilityValues{10, 10, 10, 10, 10, 10, 10}));
    EXPECT_EQ(current_character.ABILITY_PERC, (AbilityValues{50, 50, 50, 50, 50, 50, 50}));
    EXPECT_EQ(program_data.BuildingPoints, 5.0f);

    // A second Apply starts again from the stored values: the same amounts give the same preview.
    const BPAllotment second = ApplyClassStepBP(typed);
    EXPECT_EQ(second.scores, first.scores);
    EXPECT_EQ(second.fractions, first.fractions);
    const std::string line =
        "BP=5.0    | Adjusting Ability Scores with BP's STR=10/75 (1 BP) DEX=10/50 (0 BP) "
        "CON=10/50 (0 BP) INT=10/50 (0 BP) WIS=10/50 (0 BP) CHR=10/25 (-1 BP) "
        "COM=11/75 (5 BP)";
    EXPECT_EQ(LogLines(), (std::vector<std::string>{line, line}));

    current_character.pClass = &fighter;
    const BPAllotment refused = ApplyClassStepBP({"6", "", "", "", "", "", ""});
    EXPECT_FALSE(refused.accepted);
    EXPECT_EQ(refused.spent, 6);
    EXPECT_EQ(current_character.pClass, &fighter) << "a refused Apply changes nothing";
    EXPECT_EQ(LogLines().size(), 2u);
}

TEST_F(ClassRulesTest, ClassTestValueReadsTheFractionDigitsAfterThePoint) {
    struct Case {
        int32_t score, fraction;
        float want;
    };
    const Case cases[] = {{15, 7, 15.7f},   {15, 70, 15.7f}, {15, 5, 15.5f}, {15, 100, 15.1f},
                          {15, 45, 15.45f}, {3, 0, 3.0f},    {-2, 50, -2.5f}};
    for (const Case& c : cases)
        EXPECT_EQ(ClassTestValue(c.score, c.fraction), c.want) << c.score << "/" << c.fraction;
}

TEST_F(ClassRulesTest, ComelinessModifierComesFromTheStoredCharismaOnly) {
    struct Case {
        int32_t charisma, modifier;
    };
    const Case table[] = {{INT32_MIN, -8}, {-1, -8}, {0, -8}, {3, -3}, {8, 0},  {12, 1},
                          {18, 4},         {23, 8},  {24, 0}, {25, 0}, {26, 0}, {INT32_MAX, 0}};
    for (const Case& c : table)
        EXPECT_EQ(ComModByCharisma(c.charisma), c.modifier) << c.charisma;

    // Working Comeliness 15/50 reads 15.5; the stored Charisma sets the modifier, not the working one.
    const AbilityValues working = {10, 10, 10, 10, 10, 18, 15};
    const AbilityValues fractions = {50, 50, 50, 50, 50, 50, 50};
    const Case stored[] = {{3, -3}, {18, 4}, {24, 0}};
    for (const Case& c : stored) {
        current_character.ABILITY_BASE[5] = c.charisma;
        EXPECT_FLOAT_EQ(MakeClassTest(working, fractions).values[6], 15.5f + static_cast<float>(c.modifier))
            << c.charisma;
    }
    program_data.WizardState = kWizardAgeAndMoney;
    EXPECT_FLOAT_EQ(MakeClassTest(working, fractions).values[6], 15.5f) << "after the class step, none";
}

TEST_F(ClassRulesTest, EachConditionOfEligibility) {
    struct Case {
        const char* what;
        void (*set)(CharacterClass&, Character_Class&, CharacterRace&);
        bool listed;
    };
    const Case cases[] = {
        {"open to all", [](CharacterClass&, Character_Class&, CharacterRace&) {}, true},
        {"MINSTR 15.7 at 15/7",
         [](CharacterClass& k, Character_Class& pc, CharacterRace&) {
             k.MINSTR = 15.7f;
             pc.ABILITY_BASE[0] = 15;
             pc.ABILITY_PERC[0] = 7;
         },
         true},
        {"MINSTR 15.7 at 15/70",
         [](CharacterClass& k, Character_Class& pc, CharacterRace&) {
             k.MINSTR = 15.7f;
             pc.ABILITY_BASE[0] = 15;
             pc.ABILITY_PERC[0] = 70;
         },
         true},
        {"MINSTR 15.7 at 15/6",
         [](CharacterClass& k, Character_Class& pc, CharacterRace&) {
             k.MINSTR = 15.7f;
             pc.ABILITY_BASE[0] = 15;
             pc.ABILITY_PERC[0] = 6;
         },
         false},
        {"MINSTR 15.7 at 15/100",
         [](CharacterClass& k, Character_Class& pc, CharacterRace&) {
             k.MINSTR = 15.7f;
             pc.ABILITY_BASE[0] = 15;
             pc.ABILITY_PERC[0] = 100;
         },
         false},
        {"MAXWIS 10.5 at 10/5",
         [](CharacterClass& k, Character_Class& pc, CharacterRace&) {
             k.MAXWIS = 10.5f;
             pc.ABILITY_PERC[4] = 5;
         },
         true},
        {"MAXWIS 10.5 at 10/51",
         [](CharacterClass& k, Character_Class& pc, CharacterRace&) {
             k.MAXWIS = 10.5f;
             pc.ABILITY_PERC[4] = 51;
         },
         false},
        {"MINDEX 10.5 at 10/50",
         [](CharacterClass& k, Character_Class&, CharacterRace&) { k.MINDEX = 10.5f; }, true},
        {"SOCIALREQ 12 at 4, not enforced",
         [](CharacterClass& k, Character_Class& pc, CharacterRace&) {
             k.SOCIALREQ = 12;
             pc.SOCIAL_ID = 4;
         },
         true},
        {"SOCIALREQ 12 at 4, enforced",
         [](CharacterClass& k, Character_Class& pc, CharacterRace&) {
             k.SOCIALREQ = 12;
             pc.SOCIAL_ID = 4;
             BooksToUse[kOptionSocialClassRestrictions] = 1;
         },
         false},
        {"SOCIALREQ 4 at 4, enforced",
         [](CharacterClass& k, Character_Class& pc, CharacterRace&) {
             k.SOCIALREQ = 4;
             pc.SOCIAL_ID = 4;
             BooksToUse[kOptionSocialClassRestrictions] = 1;
         },
         true},
        {"Magister's flag lifts the social test",
         [](CharacterClass& k, Character_Class& pc, CharacterRace&) {
             k.SOCIALREQ = 12;
             pc.SOCIAL_ID = 4;
             BooksToUse[kOptionSocialClassRestrictions] = 1;
             pc.BOOK_CLASS_FLAG[0] = true;
         },
         true},
        {"Magister's flag bars MAGE -1",
         [](CharacterClass& k, Character_Class& pc, CharacterRace&) {
             k.MAGE = -1;
             pc.BOOK_CLASS_FLAG[0] = true;
         },
         false},
        {"MAGE -1 without the flag", [](CharacterClass& k, Character_Class&, CharacterRace&) { k.MAGE = -1; },
         true},
        {"Warlord's flag bars FIGHTER -1",
         [](CharacterClass& k, Character_Class& pc, CharacterRace&) {
             k.FIGHTER = -1;
             pc.BOOK_CLASS_FLAG[1] = true;
         },
         false},
        {"Priest's flag bars CLERIC -1",
         [](CharacterClass& k, Character_Class& pc, CharacterRace&) {
             k.CLERIC = -1;
             pc.BOOK_CLASS_FLAG[2] = true;
         },
         false},
        {"Rogue's flag bars THIEF -1",
         [](CharacterClass& k, Character_Class& pc, CharacterRace&) {
             k.THIEF = -1;
             pc.BOOK_CLASS_FLAG[3] = true;
         },
         false},
        {"Rogue's flag leaves MAGE -1",
         [](CharacterClass& k, Character_Class& pc, CharacterRace&) {
             k.MAGE = -1;
             pc.BOOK_CLASS_FLAG[3] = true;
         },
         true},
        {"BOOK 150", [](CharacterClass& k, Character_Class&, CharacterRace&) { k.BOOK = 150; }, false},
        {"BOOK -1", [](CharacterClass& k, Character_Class&, CharacterRace&) { k.BOOK = -1; }, false},
        {"book not enabled", [](CharacterClass& k, Character_Class&, CharacterRace&) { k.BOOK = 3; }, false},
        {"book enabled",
         [](CharacterClass& k, Character_Class&, CharacterRace&) {
             k.BOOK = 3;
             BooksToUse[3] = 1;
         },
         true},
        {"race without LEVELLIMIT",
         [](CharacterClass&, Character_Class&, CharacterRace& r) { r.LEVELLIMIT.clear(); }, false},
        {"named only inside a multi-class limit",
         [](CharacterClass&, Character_Class&, CharacterRace& r) { r.LEVELLIMIT = {"Fighter/Thief=12"}; },
         true},
        {"limits name another class",
         [](CharacterClass&, Character_Class&, CharacterRace& r) {
             r.LEVELLIMIT = {"Fighter=12", "thief=9"};
         },
         false},
        {"no race", [](CharacterClass&, Character_Class& pc, CharacterRace&) { pc.pRace = nullptr; }, false},
    };
    for (const Case& k : cases) {
        Prepare();
        CharacterClass fresh;
        fresh.NAME = "Thief";
        fresh.MINSTR = fresh.MINDEX = fresh.MINCON = fresh.MININT = fresh.MINWIS = fresh.MINCHA =
            fresh.MINCOM = 3;
        fresh.MAXSTR = fresh.MAXDEX = fresh.MAXCON = fresh.MAXINT = fresh.MAXWIS = fresh.MAXCHA =
            fresh.MAXCOM = 99;
        k.set(fresh, current_character, race_);
        const ClassTest test = MakeClassTest(current_character.ABILITY_BASE, current_character.ABILITY_PERC);
        EXPECT_EQ(ClassQualifies(fresh, test), k.listed) << k.what;
    }
}

TEST_F(ClassRulesTest, TheListKeepsCatalogueOrderAndThePickTakesTheLastExactName) {
    AddClass("Thief");
    AddClass("Fighter/Thief");
    AddClass("Cleric"); // the race names no cleric
    CharacterClass& fighter = AddClass("Fighter");
    fighter.BP = 3;
    CharacterClass& second = AddClass("Fighter");
    second.BP = 7;
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Thief", "Fighter/Thief", "Fighter", "Fighter"}));

    EXPECT_EQ(PickClass("Fighter"), &second);
    EXPECT_EQ(current_character.pClass, &second);
    EXPECT_EQ(current_character.CLASS_LONG_NAME, "Fighter");
    EXPECT_EQ(PickClass("Fighter/Thief")->NAME, "Fighter/Thief");
    EXPECT_EQ(current_character.CLASS_LONG_NAME, "Fighter/Thief");

    // Only the whole name counts; a text that names no entry changes nothing and logs nothing.
    for (const char* text : {"Fight", "fighter", "Fighter ", ""}) {
        EXPECT_EQ(PickClass(text), nullptr) << text;
        EXPECT_EQ(current_character.CLASS_LONG_NAME, "Fighter/Thief") << text;
    }
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{"BP=0.0    | Selecting a Class: Class=Fighter, BP Bonus=7",
                                        "BP=0.0    | Selecting a Class: Class=Fighter/Thief, BP Bonus=0"}));

    // A long name goes into the record and the log whole.
    const std::string longName(600, 'x');
    race_.LEVELLIMIT.push_back(longName + "=3");
    AddClass(longName);
    EXPECT_EQ(Listed().back(), longName);
    PickClass(longName);
    EXPECT_EQ(current_character.CLASS_LONG_NAME, longName);
    EXPECT_NE(LogLines().back().find(longName + ", BP Bonus=0"), std::string::npos);
}

} // namespace
