#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <memory>

#include "app/character.h"
#include "app/item_lists.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "steps/thief_skills_rules.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

namespace {

const std::string kAllNine = "Pick Pockets, Open Locks, Find Traps, Remove Traps, Move Silently, Hide in "
                             "Shadows, Detect Noise, Climb Walls, Read Languages";

class ThiefSkillsRulesTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        program_data.LogFileName = "30.log";
        program_data.BuildingPoints = 2.0f;
        thief_.NAME = "Thief";
        thief_.THIEF = 1;
        thief_.THIEFSKILLS = "Pick Pockets, Climb Walls";
        thief_.THIEFPOINTS[1] = 60;
        current_character.pClass = &thief_;
        auto record = std::make_unique<ClassDataItem>();
        record->pClass = &thief_;
        record->CLASS_NAME = "Thief";
        record->CLASS_LEVEL = 1;
        record->CLASS_PICK_POCKETS[0] = 35;
        record->CLASS_CLIMB_WALLS[0] = 60;
        record->CLASS_READ_LANGUAGES[0] = 4;
        record_ = record.get();
        current_character.CLASS_DATA.AddTail(std::move(record));
    }

    static ThiefTexts Texts(const std::string& pickPockets, const std::string& climbWalls) {
        ThiefTexts texts;
        texts[0] = pickPockets;
        texts[7] = climbWalls;
        return texts;
    }

    ScopedTempDir dir_;
    CharacterClass thief_;
    ClassDataItem* record_ = nullptr;
};

TEST_F(ThiefSkillsRulesTest, OfferedSkillsAreTheNamesInTheClassesText) {
    EXPECT_EQ(OfferedThiefSkills(&thief_),
              (ThiefOffered{true, false, false, false, false, false, false, true, false}));
    thief_.THIEFSKILLS = kAllNine;
    EXPECT_EQ(OfferedThiefSkills(&thief_),
              (ThiefOffered{true, true, true, true, true, true, true, true, true}));
    thief_.THIEFSKILLS = "pick pockets, Read Languages";
    EXPECT_EQ(OfferedThiefSkills(&thief_),
              (ThiefOffered{false, false, false, false, false, false, false, false, true}));
    EXPECT_EQ(OfferedThiefSkills(nullptr), ThiefOffered{});
    EXPECT_EQ(ThiefClassPoints(&thief_), 60);
    EXPECT_EQ(ThiefClassPoints(nullptr), 0);
}

TEST_F(ThiefSkillsRulesTest, EntriesAreReadByTheLeadingNumberOfTextsOfAnyLength) {
    const std::string huge = "1" + std::string(999, '0');
    struct Case {
        std::string text;
        int32_t points;
    };
    const Case cases[] = {{"abc", 0},        {" 12x", 12},           {"", 0}, {"-5", -5}, {"+7 points", 7},
                          {huge, INT32_MAX}, {"-" + huge, INT32_MIN}};
    const ThiefOffered offered = OfferedThiefSkills(&thief_);
    for (const Case& c : cases) {
        const ThiefAllotment a = ReadThiefEntries(Texts(c.text, ""), offered, *record_);
        EXPECT_EQ(a.points[0], c.points) << c.text.substr(0, 20);
        EXPECT_EQ(a.totals[0],
                  static_cast<int32_t>(std::clamp<int64_t>(35LL + c.points, INT32_MIN, INT32_MAX)))
            << c.text.substr(0, 20);
    }
    // A skill that is not offered counts 0 whatever its box says.
    ThiefTexts texts = Texts("1", "2");
    texts[8] = "25";
    const ThiefAllotment a = ReadThiefEntries(texts, offered, *record_);
    EXPECT_EQ(a.points[8], 0);
    EXPECT_EQ(a.totals[8], 4);
    EXPECT_EQ(a.sum, 3);
}

TEST_F(ThiefSkillsRulesTest, TheCapAndTheSumDecideApplyAndContinue) {
    struct Case {
        int32_t classPoints;
        const char* pickPockets;
        const char* climbWalls;
        bool apply, finish;
    };
    const Case cases[] = {
        {60, "30", "30", true, true},           {60, "30", "20", true, false},
        {60, "31", "29", false, false},         {20, "30", "-10", true, true},
        {60, "29", "31", false, false},         {0, "", "", true, true},
        {60, "-2147483648", "30", true, false}, {10, "x", "11", false, false},
    };
    const ThiefOffered offered = OfferedThiefSkills(&thief_);
    for (const Case& c : cases) {
        const ThiefAllotment a = ReadThiefEntries(Texts(c.pickPockets, c.climbWalls), offered, *record_);
        EXPECT_EQ(ThiefApplyFits(a, c.classPoints), c.apply) << c.pickPockets << " " << c.climbWalls;
        EXPECT_EQ(ThiefContinueFits(a, c.classPoints), c.finish) << c.pickPockets << " " << c.climbWalls;
    }
    // The sum cannot wrap: nine skills at the lowest number stay far below any class's points.
    thief_.THIEFSKILLS = kAllNine;
    ThiefTexts lowest;
    lowest.fill("-99999999999");
    const ThiefAllotment a = ReadThiefEntries(lowest, OfferedThiefSkills(&thief_), *record_);
    EXPECT_EQ(a.sum, 9LL * INT32_MIN);
    EXPECT_TRUE(ThiefApplyFits(a, 0));
    EXPECT_FALSE(ThiefContinueFits(a, 0));
}

TEST_F(ThiefSkillsRulesTest, ContinueLogsAllNineStoresEntryOneAndPushesTheTotals) {
    thief_.THIEFPOINTS[1] = 20;
    EXPECT_FALSE(FinishThiefPoints(*record_, Texts("10", "5")).has_value());
    EXPECT_EQ(record_->CLASS_PICK_POCKETS[1], 0);
    EXPECT_TRUE(LogLines().empty());

    const auto a = FinishThiefPoints(*record_, Texts("30", "-10"));
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(a->totals[7], 50);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{
                              "BP=2.0    | Pick Pockets 35 +30 = 65", "BP=2.0    | Open Locks 0 +0 = 0",
                              "BP=2.0    | Find Traps 0 +0 = 0", "BP=2.0    | Remove Traps 0 +0 = 0",
                              "BP=2.0    | Move Silently 0 +0 = 0", "BP=2.0    | Hide in Shadows 0 +0 = 0",
                              "BP=2.0    | Detect Noise 0 +0 = 0", "BP=2.0    | Climb Walls 60 -10 = 50",
                              "BP=2.0    | Read Languages 4 +0 = 4"}));
    const std::array<int32_t, 9> stored = {30, 0, 0, 0, 0, 0, 0, -10, 0};
    for (size_t s = 0; s < stored.size(); ++s) {
        EXPECT_EQ((record_->*kThiefSkillTables[s].table)[1], stored[s]) << kThiefSkillTables[s].name;
        EXPECT_EQ((record_->*kThiefSkillTables[s].table)[2], 0) << "no other entry is touched";
    }
    EXPECT_EQ(current_character.THIEF_SKILLS, (std::array<int32_t, 9>{65, 0, 0, 0, 0, 0, 0, 50, 4}));
    EXPECT_EQ(ApplyThiefPoints(*record_, Texts("10", "5"))->totals[0], 45) << "Apply reads the same way";
}

TEST_F(ThiefSkillsRulesTest, AnItemIsLiveOnlyWhileItIsOnTheListUnderItsOwnSerial) {
    const uint64_t serial = record_->serial;
    EXPECT_EQ(LiveClassItem(record_, serial), record_);
    EXPECT_EQ(LiveClassItem(record_, serial + 1), nullptr) << "a later item at the same address";
    EXPECT_EQ(LiveClassItem(nullptr, serial), nullptr);
    ClassDataItem later;
    EXPECT_GT(later.serial, serial);
    const ClassDataItem* gone = record_;
    current_character.CLASS_DATA.Clear();
    EXPECT_EQ(LiveClassItem(gone, serial), nullptr);
}

TEST(ThiefLogLineTest, NameBasePointsAndTotal) {
    EXPECT_EQ(ThiefLogLine(0, 35, 10, 45), "Pick Pockets 35 +10 = 45");
    EXPECT_EQ(ThiefLogLine(5, 10, -10, 0), "Hide in Shadows 10 -10 = 0");
    EXPECT_EQ(ThiefLogLine(8, 0, 0, 0), "Read Languages 0 +0 = 0");
}

} // namespace
