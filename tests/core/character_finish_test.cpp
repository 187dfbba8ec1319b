// Cashing in leftover BP, the alignment, the starting hit points and the name at the end of a creation.
#include <gtest/gtest.h>
#include <memory>

#include "app/character.h"
#include "app/dice.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "steps/character_finish.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"

namespace {

class CharacterFinishTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        program_data.LogFileName = "3.log";
    }

    // A class record of a catalogue class with `kicker` and one d8 hit die at level 1.
    static void AddClass(int32_t kicker) {
        auto cls = std::make_unique<CharacterClass>();
        cls->NAME = "Class " + std::to_string(kicker);
        cls->KICKER = kicker;
        cls->HITDIE[1] = 8;
        cls->HITDIEROLL[1] = 1;
        auto item = std::make_unique<ClassDataItem>();
        item->pClass = cls.get();
        item->CLASS_NAME = cls->NAME;
        CharacterClass::AddTail(std::move(cls));
        current_character.CLASS_DATA.AddTail(std::move(item));
    }

    ScopedTempDir dir_;
    ScopedPrompter prompter_;
};

TEST_F(CharacterFinishTest, LeftoverBPAreCashedInAtTwentyFiveGoldEachTheFractionDropped) {
    struct Case {
        float pool;
        int answer;
        int32_t gold;
        const char* message;
    } cases[] = {
        {2.5f, wxOK, 162,
         "You started with 100 GP. Your 2.5 BPs have been cashed in. You now have 162 gold."},
        {0.03f, wxCANCEL, 100,
         "You started with 100 GP. Your 0.03 BPs have been cashed in. You now have 100 gold."},
        {0.0f, 0, 100, nullptr},
        {-1.5f, 0, 100, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pool);
        current_character.GOLDCOINS = 100;
        program_data.BuildingPoints = c.pool;
        if (c.message)
            prompter_->ExpectMessage(c.answer);
        const size_t asked = prompter_->Asked().size();
        CashInBuildingPoints();
        EXPECT_EQ(current_character.GOLDCOINS, c.gold);
        EXPECT_EQ(program_data.BuildingPoints, c.message ? 0.0f : c.pool);
        ASSERT_EQ(prompter_->Asked().size(), asked + (c.message ? 1 : 0));
        if (c.message) {
            EXPECT_EQ(prompter_->Asked().back().message, c.message);
            EXPECT_EQ(prompter_->Asked().back().caption, "Character Creation: Step 13");
        }
    }
}

TEST_F(CharacterFinishTest, TheGoldHoldsAtItsLimit) {
    current_character.GOLDCOINS = INT32_MAX - 10;
    program_data.BuildingPoints = 1000.0f;
    prompter_->ExpectMessage();
    CashInBuildingPoints();
    EXPECT_EQ(current_character.GOLDCOINS, INT32_MAX);
}

TEST_F(CharacterFinishTest, StartingHitPointsAreSummedAndAveragedAsEachStepSays) {
    struct Case {
        std::vector<int32_t> kickers, rolls;
        int32_t halved, byCount;
    } cases[] = {
        {{10}, {7}, 17, 17},
        {{10, 6}, {7, 3}, 13, 13},
        {{10, 6, 4}, {7, 3, 5}, 17, 11}, // 35 / 2 against 35 / 3
        {{10, 6}, {8, 3}, 13, 13},       // 27 truncated
    };
    for (const Case& c : cases) {
        for (HitPointAverage average : {HitPointAverage::Halved, HitPointAverage::ByClassCount}) {
            ResetGlobals();
            SetUp();
            for (int32_t kicker : c.kickers)
                AddClass(kicker);
            dice::QueueFaces(c.rolls);
            const size_t logged = LogLines().size();
            RollStartingHitPoints(average);
            EXPECT_EQ(current_character.HIT_POINTS, average == HitPointAverage::Halved ? c.halved : c.byCount)
                << c.kickers.size() << " classes";
            size_t i = 0;
            for (const ClassDataItem* item = ClassDataItem::First(); item; item = item->pNext.get(), ++i) {
                EXPECT_EQ(item->CLASS_HITPOINTS[0], c.kickers[i]);
                EXPECT_EQ(item->CLASS_HITPOINTS[1], c.rolls[i]);
            }
            EXPECT_EQ(LogLines().size() - logged, c.kickers.size());
        }
    }
}

TEST_F(CharacterFinishTest, AClassRecordWithoutACatalogueClassIsSkipped) {
    AddClass(10);
    auto orphan = std::make_unique<ClassDataItem>();
    orphan->CLASS_NAME = "Gone";
    current_character.CLASS_DATA.AddTail(std::move(orphan));
    dice::QueueFaces({7});
    RollStartingHitPoints(HitPointAverage::ByClassCount);
    EXPECT_EQ(current_character.HIT_POINTS, 17) << "one class counted, not two";
}

TEST_F(CharacterFinishTest, ThePurchaseStepHandsOverToTheAlignmentStepOnlyAboveWisdomFive) {
    const struct {
        int32_t wisdom;
        PurchaseExit exit;
    } cases[] = {{6, PurchaseExit::ToAlignment},
                 {18, PurchaseExit::ToAlignment},
                 {5, PurchaseExit::ToEquipment},
                 {3, PurchaseExit::ToEquipment}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wisdom);
        ResetGlobals();
        SetUp();
        program_data.LogFileName = std::to_string(c.wisdom) + ".log";
        // Three classes: the purchase step divides by their number where the alignment step halves.
        for (int32_t kicker : {10, 6, 4})
            AddClass(kicker);
        current_character.ABILITY_BASE[4] = c.wisdom;
        program_data.WizardState = kWizardSkillsDone;
        const bool finishes = c.exit == PurchaseExit::ToEquipment;
        if (finishes) {
            dice::QueueFaces({7, 3, 5});
            prompter_->ExpectText("Wren");
        }
        const size_t asked = prompter_->Asked().size();
        EXPECT_EQ(EndPurchaseStep(), c.exit);
        if (!finishes) {
            EXPECT_EQ(current_character.ALIGNMENT, "");
            EXPECT_EQ(current_character.HIT_POINTS, 0);
            EXPECT_EQ(current_character.CHARACTER_NAME, "");
            EXPECT_TRUE(LogLines().empty());
            EXPECT_EQ(prompter_->Asked().size(), asked);
            EXPECT_EQ(program_data.WizardState, kWizardSkillsDone) << "the alignment step runs at 13";
            continue;
        }
        EXPECT_EQ(current_character.ALIGNMENT, "Neutral");
        EXPECT_EQ(current_character.HIT_POINTS, 11); // (10 + 7 + 6 + 3 + 4 + 5) / 3
        EXPECT_EQ(current_character.CHARACTER_NAME, "Wren");
        const std::vector<std::string> lines = LogLines();
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[0], "BP=0.0    | Alignment = Neutral") << "the alignment is logged before the rolls";
        EXPECT_EQ(dice::QueuedFaces(), 0u);
        ASSERT_EQ(prompter_->Asked().size(), asked + 1);
        EXPECT_EQ(prompter_->Asked().back().caption, "Enter Name");
        EXPECT_EQ(program_data.WizardState, kWizardEquipment);
    }
}

TEST_F(CharacterFinishTest, TheAlignmentIsLoggedAndACancelledNameIsEmpty) {
    TakeAlignment("Neutral");
    EXPECT_EQ(current_character.ALIGNMENT, "Neutral");
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"BP=0.0    | Alignment = Neutral"}));

    current_character.CHARACTER_NAME = "Old";
    prompter_->ExpectTextCancel();
    AskCharacterName();
    EXPECT_EQ(current_character.CHARACTER_NAME, "");
    prompter_->ExpectText("Wren");
    AskCharacterName();
    EXPECT_EQ(current_character.CHARACTER_NAME, "Wren");
    EXPECT_EQ(prompter_->Asked()[0].message, "Character Creation: Name your Character");
    EXPECT_EQ(prompter_->Asked()[0].caption, "Enter Name");
}

} // namespace
