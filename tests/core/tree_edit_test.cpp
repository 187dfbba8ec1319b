// Editing from the character tree: the answer rules, and the right-click rule on a tree.
#include "ui/tree_edit.h"

#include <gtest/gtest.h>

#include <string>

#include "app/character.h"
#include "app/program_data.h"
#include "support/reset_globals.h"
#include "support/scripted_prompter.h"
#include "support/tree_outline.h"
#include "ui/tree_model.h"

namespace {

struct EditCase {
    const char* label;
    const char* answer;
    const char* shown; // null: refused
};

// The record's value of `label` as text, so accepted and refused answers can be checked alike.
std::string FieldText(const Character_Class& pc, const char* label) {
    const EditableLabel* row = FindEditableLabel(label);
    if (!row)
        return "<not editable>";
    if (row->number)
        return std::to_string(pc.*(row->number));
    return pc.*(row->text);
}

class ApplyLabelEditTest : public GlobalsTest {};

TEST_F(ApplyLabelEditTest, ChecksEachAnswerByItsLabelsRule) {
    const EditCase cases[] = {
        // Number labels: digits after at most one sign, above 0, within 32 bits; shown as typed.
        {"Age", "25", "25 years"},
        {"Age", "025", "025 years"},
        {"Age", "+7", "+7 years"},
        {"Age", "2147483647", "2147483647 years"},
        {"Age", "0", nullptr},
        {"Age", "-3", nullptr},
        {"Age", "-0", nullptr},
        {"Age", "", nullptr},
        {"Age", "+", nullptr},
        {"Age", "7a", nullptr},
        {"Age", " 7", nullptr},
        {"Age", "7 ", nullptr},
        {"Age", "++7", nullptr},
        {"Age", "2147483648", nullptr},
        {"Age", "99999999999", nullptr},
        {"Height", "70", "70 inches"},
        {"Height", "x", nullptr},
        {"Weight", "180", "180 lbs"},
        {"Weight", "-180", nullptr},
        {"Siblings", "3", "3"},
        {"Siblings", "0", nullptr},
        // Social class must hold "Class", case-sensitively.
        {"Social_Class", "Upper Middle Class", "Upper Middle Class"},
        {"Social_Class", "Classless", "Classless"},
        {"Social_Class", "Upper Middle", nullptr},
        {"Social_Class", "upper middle class", nullptr},
        // Handedness: the three words exactly.
        {"Handeness", "Right", "Right"},
        {"Handeness", "Left", "Left"},
        {"Handeness", "Ambidextrous", "Ambidextrous"},
        {"Handeness", "left", nullptr},
        {"Handeness", "Left ", nullptr},
        {"Handeness", "", nullptr},
        // Free texts: anything but the empty text, kept as typed.
        {"Legitamacy_of_Birth", "Illegitimate", "Illegitimate"},
        {"Birth_Circumstance", " ", " "},
        {"Mother", "Alive", "Alive"},
        {"Father", "Unknown", "Unknown"},
        {"Mother Quality", "Loving", "Loving"},
        {"Father Quality", "Distant", "Distant"},
        {"Step_Parent", "Stepfather, alive", "Stepfather, alive"},
        {"Heritage", "Great Honor", "Great Honor"},
        {"Birth_Order", "Only child", "Only child"},
        {"Birth_Order", "", nullptr},
        {"Mother", "", nullptr},
        // Labels are compared whole and case-sensitively.
        {"age", "25", nullptr},
        {"Handedness", "Left", nullptr},
        {"Skills", "x", nullptr},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(std::string(c.label) + " <- \"" + c.answer + "\"");
        Character_Class pc;
        pc.AGE = 40;
        pc.SIBLINGS = 2;
        pc.HANDEDNESS = "Right";
        pc.MOTHER_STATUS = "Dead";
        const std::string before = FieldText(pc, c.label);
        const std::optional<std::string> shown = ApplyLabelEdit(c.label, c.answer, pc);
        if (!c.shown) {
            EXPECT_FALSE(shown.has_value());
            EXPECT_EQ(FieldText(pc, c.label), before);
            continue;
        }
        ASSERT_TRUE(shown.has_value());
        EXPECT_EQ(*shown, c.shown);
    }
}

TEST_F(ApplyLabelEditTest, NumberLabelsStoreTheConvertedValueAndTextLabelsTheEntry) {
    const struct {
        const char* label;
        const char* answer;
        const char* stored;
    } cases[] = {
        {"Age", "025", "25"},
        {"Age", "+7", "7"},
        {"Height", "70", "70"},
        {"Weight", "0180", "180"},
        {"Siblings", "+3", "3"},
        {"Social_Class", "Lower Upper Class", "Lower Upper Class"},
        {"Legitamacy_of_Birth", "Legitimate", "Legitimate"},
        {"Handeness", "Ambidextrous", "Ambidextrous"},
        {"Birth_Circumstance", "Affair", "Affair"},
        {"Mother", "Celebrity", "Celebrity"},
        {"Father", "Dead", "Dead"},
        {"Mother Quality", "Good", "Good"},
        {"Father Quality", "Poor", "Poor"},
        {"Step_Parent", "Stepmother", "Stepmother"},
        {"Heritage", "Dishonor", "Dishonor"},
        {"Birth_Order", "First born", "First born"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Character_Class pc;
        ASSERT_TRUE(ApplyLabelEdit(c.label, c.answer, pc).has_value());
        EXPECT_EQ(FieldText(pc, c.label), c.stored);
    }
    // Each label writes its own field and no other.
    Character_Class pc;
    ApplyLabelEdit("Father", "Alive", pc);
    EXPECT_EQ(pc.FATHER_STATUS, "Alive");
    EXPECT_EQ(pc.MOTHER_STATUS, "");
    EXPECT_EQ(pc.FATHER_QUALITY, "");
}

TEST(EditableLabelTableTest, HoldsTheFifteenLabelsWithTheirQuestions) {
    const struct {
        const char* label;
        const char* title;
        const char* prompt;
    } rows[] = {
        {"Age", "Enter Age", "Character Editing: Age"},
        {"Height", "Enter Height", "Character Editing: Height"},
        {"Weight", "Enter Weight", "Character Editing: Weight"},
        {"Siblings", "Enter number of Siblings", "Character Editing: Siblings"},
        {"Social_Class", "Enter Social Class", "Character Editing: Social Class"},
        {"Legitamacy_of_Birth", "Enter Legitamacy of Birth", "Character Editing: Legitamacy of Birth"},
        {"Handeness", "Enter Handeness", "Character Editing: Handeness"},
        {"Birth_Circumstance", "Enter Circumstance of Birth", "Character Editing: Circumstance of Birth"},
        {"Mother", "Enter Status of Mother", "Character Editing: Status of Mother"},
        {"Father", "Enter Status of Father", "Character Editing: Status of Father"},
        {"Mother Quality", "Enter Quality of Mother", "Character Editing: Quality of Mother"},
        {"Father Quality", "Enter Quality of Father", "Character Editing: Quality of Father"},
        {"Step_Parent", "Enter Type and Status of Step Parent", "Character Editing: Step Parent"},
        {"Heritage", "Enter Family Heritage", "Character Editing: Family Heritage"},
        {"Birth_Order", "Enter Birth Order", "Character Editing: Birth Orders"},
    };
    for (const auto& r : rows) {
        const EditableLabel* row = FindEditableLabel(r.label);
        ASSERT_NE(row, nullptr) << r.label;
        EXPECT_STREQ(row->title, r.title);
        EXPECT_STREQ(row->prompt, r.prompt);
        EXPECT_NE(row->number == nullptr, row->text == nullptr) << r.label;
    }
}

// ---- the right-click rule on a tree ----

class EditTreeItemTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        tree_.AddRoot("PC");
        UpdateTreeBranch(tree_, "Prior and Particulars", {"Age", "Handeness", "Social_Class"},
                         {"40 years", "Right", "Lower Class"}, 3);
        UpdateTreeBranch(tree_, "Skills", {"Climbing"}, {"45"}, 1);
        UpdateTreeBranch(tree_, "Talents", {"Keen Sight"}, {""}, 1);
        UpdateTreeBranch(tree_, "Proficiencies", {"Dagger"}, {"Basic"}, 1);
        UpdateTreeBranch(tree_, "Equipment", {"Rope"}, {"1"}, 1);
    }

    TreeItem Item(const std::string& name) {
        TreeItem found;
        Search(tree_, name, found, tree_.GetRootItem());
        EXPECT_TRUE(found.IsOk()) << name;
        return found;
    }

    MemoryTreeModel tree_;
    ScopedPrompter prompter_;
};

TEST_F(EditTreeItemTest, AcceptedAnswerGoesIntoTheRecordAndUnderTheLabel) {
    prompter_->ExpectText("025");
    EXPECT_EQ(EditTreeItem(tree_, Item("Age")), TreeEditOutcome::Edited);
    EXPECT_EQ(current_character.AGE, 25);
    ASSERT_EQ(prompter_->Asked().size(), 1u);
    EXPECT_EQ(prompter_->Asked()[0].message, "Character Editing: Age");
    EXPECT_EQ(prompter_->Asked()[0].caption, "Enter Age");
    EXPECT_EQ(TreeOutline(&tree_),
              "Prior and Particulars\n"
              "  Age\n    025 years\n  Handeness\n    Right\n  Social_Class\n    Lower Class\n"
              "Skills\n  Climbing\n    45\n"
              "Talents\n  Keen Sight\n"
              "Proficiencies\n  Dagger\n    Basic\n"
              "Equipment\n  Rope\n    1\n");
}

TEST_F(EditTreeItemTest, RefusedOrCancelledAnswersChangeNothing) {
    current_character.AGE = 40;
    current_character.HANDEDNESS = "Right";
    const std::string before = TreeOutline(&tree_);
    const struct {
        const char* label;
        const char* answer; // null: cancelled
    } cases[] = {
        {"Age", "0"},          {"Age", "-3"},          {"Age", ""},
        {"Age", "7a"},         {"Age", "99999999999"}, {"Age", nullptr},
        {"Handeness", "left"}, {"Handeness", nullptr}, {"Social_Class", "Upper Middle"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label + std::string(" <- ") + (c.answer ? c.answer : "(cancel)"));
        if (c.answer)
            prompter_->ExpectText(c.answer);
        else
            prompter_->ExpectTextCancel();
        EXPECT_EQ(EditTreeItem(tree_, Item(c.label)), TreeEditOutcome::Nothing);
        EXPECT_EQ(current_character.AGE, 40);
        EXPECT_EQ(current_character.HANDEDNESS, "Right");
        EXPECT_EQ(current_character.SOCIAL_CLASS, "");
        EXPECT_EQ(TreeOutline(&tree_), before);
    }
}

TEST_F(EditTreeItemTest, BranchesAskForTheirWindowsAndOtherItemsDoNothing) {
    const struct {
        const char* item;
        TreeEditOutcome outcome;
    } cases[] = {
        {"Skills", TreeEditOutcome::OpenSkills},
        {"Talents", TreeEditOutcome::OpenSkills},
        {"Proficiencies", TreeEditOutcome::OpenSkills},
        {"Equipment", TreeEditOutcome::OpenEquipment},
        {"Prior and Particulars", TreeEditOutcome::Nothing},
        {"40 years", TreeEditOutcome::Nothing}, // the value item of "Age", not the label
        {"Climbing", TreeEditOutcome::Nothing},
    };
    const std::string before = TreeOutline(&tree_);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_EQ(EditTreeItem(tree_, Item(c.item)), c.outcome);
    }
    EXPECT_EQ(EditTreeItem(tree_, TreeItem()), TreeEditOutcome::Nothing);
    EXPECT_TRUE(prompter_->Asked().empty());
    EXPECT_EQ(TreeOutline(&tree_), before);
}

TEST_F(EditTreeItemTest, NothingAtAllWhileACreationStepIsOpen) {
    const std::string before = TreeOutline(&tree_);
    for (WizardStep state : {kWizardFighterRolled, kWizardAbilities, kWizardEquipment}) {
        program_data.WizardState = state;
        for (const char* item : {"Age", "Handeness", "Skills", "Talents", "Proficiencies", "Equipment"}) {
            SCOPED_TRACE(std::string(item) + " at " + std::to_string(state));
            EXPECT_EQ(EditTreeItem(tree_, Item(item)), TreeEditOutcome::Nothing);
        }
    }
    EXPECT_TRUE(prompter_->Asked().empty());
    EXPECT_EQ(TreeOutline(&tree_), before);
}

TEST_F(EditTreeItemTest, EditsWhileTheBackgroundStepRollsAtMinusOne) {
    program_data.WizardState = kWizardBackgroundRolled;
    prompter_->ExpectText("Left");
    EXPECT_EQ(EditTreeItem(tree_, Item("Handeness")), TreeEditOutcome::Edited);
    EXPECT_EQ(current_character.HANDEDNESS, "Left");
    EXPECT_EQ(EditTreeItem(tree_, Item("Equipment")), TreeEditOutcome::OpenEquipment);
}

} // namespace
