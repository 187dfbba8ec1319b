#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/weakref.h>

#include "app/app_globals.h"
#include "shell/cx_application.h"
#include "app/dice.h"
#include "app/program_data.h"
#include "gm/critical_frame.h"
#include "support/dice_rolls.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "shell/form_main.h"
#include "ui/ui_test_support.h"

namespace {

class CriticalFrameTest : public GlobalsTest {
protected:
    void TearDown() override {
        CloseAllWindows();
        GlobalsTest::TearDown();
    }

    CriticalFrame* Open() {
        auto* w = new CriticalFrame(nullptr, "Critical hit Rolling", wxDefaultPosition, wxSize(600, 200));
        w->Show(true);
        return w;
    }

    static wxTextCtrl* Box(wxWindow* w, int id) { return Control<wxTextCtrl>(w, id); }
    static wxString Result(wxWindow* w) { return Control<wxStaticText>(w, ID_CRITICAL_RESULT)->GetLabel(); }
    static void SetType(wxWindow* w, int type) {
        Control<wxComboBox>(w, ID_CRITICAL_TYPE)->SetSelection(type);
    }

    // Types the boxes, chooses the type and asks for the effect.
    static wxString Explain(wxWindow* w, const wxString& location, const wxString& severity, int type = 0) {
        Box(w, ID_CRITICAL_LOCATION_BOX)->ChangeValue(location);
        Box(w, ID_CRITICAL_SEVERITY_BOX)->ChangeValue(severity);
        SetType(w, type);
        Click(w, ID_CRITICAL_EXPLAIN);
        return Result(w);
    }

    ScopedTempDir dir_;
};

TEST_F(CriticalFrameTest, OpensWithItsControlsEmptyBoxesAndFirstEntries) {
    CriticalFrame* w = Open();
    struct Expected {
        int id;
        const char* label;
    } buttons[] = {{10017, "Roll"}, {10018, "Roll"}, {10019, "Use numbers entered above"}},
      texts[] = {{10052, "d10,000"}, {10053, "BSL"}, {10054, "Severity Level"}, {10056, "Result"}};
    for (const Expected& b : buttons)
        EXPECT_EQ(Control<wxButton>(w, b.id)->GetLabel(), b.label);
    for (const Expected& t : texts)
        EXPECT_EQ(Control<wxStaticText>(w, t.id)->GetLabel(), t.label);
    for (int id : {10041, 10042, 10043}) {
        EXPECT_TRUE(Box(w, id)->IsEditable());
        EXPECT_EQ(Box(w, id)->GetValue(), "");
    }
    wxComboBox* types = Control<wxComboBox>(w, ID_CRITICAL_TYPE);
    ASSERT_EQ(types->GetCount(), 4u);
    const char* typeNames[] = {"Puncturing", "Hacking", "Crushing", "Monster Bites"};
    for (unsigned i = 0; i < 4; ++i)
        EXPECT_EQ(types->GetString(i), typeNames[i]);
    EXPECT_EQ(types->GetSelection(), 0);
    EXPECT_EQ(types->GetValue(), "Puncturing");

    wxComboBox* legend = Control<wxComboBox>(w, ID_CRITICAL_LEGEND);
    ASSERT_EQ(legend->GetCount(), 34u);
    EXPECT_EQ(legend->GetSelection(), 0);
    EXPECT_EQ(legend->GetString(0), "Critical Hit Notations");
    EXPECT_EQ(legend->GetString(7), "dX = reduce Deterity by X");
    EXPECT_EQ(legend->GetString(14), "m3 = m1, then 1 25% for 1d6 turns");
    EXPECT_EQ(legend->GetString(27), "sX - reduce Strength by x");
    EXPECT_EQ(legend->GetString(26),
              "sc = temporarily gains migraines and short term memory loss flaws. 5% x "
              "severity level chance of seizure disorder flaw");
    EXPECT_EQ(legend->GetString(33), "xX = X times the damage");
    for (unsigned i = 0; i < 34; ++i)
        EXPECT_EQ(legend->GetString(i), kCriticalLegend[i]);
    EXPECT_EQ(w->GetTitle(), "Critical hit Rolling");
}

TEST_F(CriticalFrameTest, ExplainReadsTheBoxesAndTheChosenType) {
    CriticalFrame* w = Open();
    Click(w, ID_CRITICAL_EXPLAIN);
    EXPECT_EQ(Result(w), "Severity level below 1; Critical Hit negated");

    struct Case {
        const char* location;
        const char* severity;
        int type;
        const char* result;
    } cases[] = {
        {"", "3", 0, "Foot, top: 3"},
        {"", "5", 0, "Error, incomplete data in program"},
        {"3200", "10", 0, "Chest: x3, w, t2"},
        {"3200", "10", 3, "Chest: x3, w, t2, ib"},
        {"3200", "24", 1, "Chest: cut in twain (dead)"},
        {" 3200", "24", 2, "Chest: body cavity crushed (dead)"},
        {"9924", "30", 0, "Head, top: brain goo"},
        {"9924", "30", 3, "Head, top: brain goo"},
        {"3200", "12abc", 0, "Chest: x3, w, ib, bf1"},
        {"3200", "-5", 0, "Severity level below 1; Critical Hit negated"},
        {"abc", "1", 0, "Foot, top: 1"},
        {"99999999999999999999", "1", 0, "Error, incomplete data in program"},
        {"9924", "99999999999999999999", 1, "Head, top: brain goo"},
        {"-99999999999999999999", "1", 0, "Error, incomplete data in program"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Explain(w, c.location, c.severity, c.type), c.result)
            << "'" << c.location << "' '" << c.severity << "' " << c.type;
    EXPECT_EQ(Box(w, ID_CRITICAL_LOCATION_BOX)->GetValue(), "-99999999999999999999")
        << "the boxes keep their text";
}

TEST_F(CriticalFrameTest, LocationRollWritesOneToTenThousandAndNothingElse) {
    CriticalFrame* w = Open();
    Box(w, ID_CRITICAL_BASE_BOX)->ChangeValue("4");
    Box(w, ID_CRITICAL_SEVERITY_BOX)->ChangeValue("7x");
    Explain(w, "3200", "10", 2);
    const wxString result = Result(w);
    dice::QueueFaces({1});
    Click(w, ID_CRITICAL_ROLL_LOCATION);
    EXPECT_EQ(Box(w, ID_CRITICAL_LOCATION_BOX)->GetValue(), "1");
    dice::QueueFaces({10000});
    Click(w, ID_CRITICAL_ROLL_LOCATION);
    EXPECT_EQ(Box(w, ID_CRITICAL_LOCATION_BOX)->GetValue(), "10000");
    // The die itself, not only its faces: a larger die would show both queued faces as well.
    EXPECT_EQ(dice::RollsAsked(), (std::vector<dice::Roll>{{1, 10000}, {1, 10000}}));
    dice::SetSeedWord(5);
    for (int i = 0; i < 200; ++i) {
        Click(w, ID_CRITICAL_ROLL_LOCATION);
        long value = 0;
        ASSERT_TRUE(Box(w, ID_CRITICAL_LOCATION_BOX)->GetValue().ToLong(&value));
        EXPECT_GE(value, 1);
        EXPECT_LE(value, 10000);
    }
    EXPECT_EQ(Box(w, ID_CRITICAL_SEVERITY_BOX)->GetValue(), "10");
    EXPECT_EQ(Box(w, ID_CRITICAL_BASE_BOX)->GetValue(), "4");
    EXPECT_EQ(Result(w), result);
    EXPECT_EQ(Control<wxComboBox>(w, ID_CRITICAL_TYPE)->GetSelection(), 2);
}

TEST_F(CriticalFrameTest, SeverityRollUsesTheBaseBoxAndWritesTheOpenEndedTotal) {
    CriticalFrame* w = Open();
    struct Case {
        const char* base;
        std::vector<int32_t> faces;
        const char* severity;
    } cases[] = {
        {"", {5}, "5"},       {"", {8, 8, 2}, "16"},  {"", {1, 3}, "-1"},
        {"10", {1, 3}, "-1"}, {"5abc", {8, 3}, "20"}, {"99999999999", {8, 8, 2}, "2147483647"},
    };
    for (const Case& c : cases) {
        Box(w, ID_CRITICAL_BASE_BOX)->ChangeValue(c.base);
        dice::QueueFaces(c.faces);
        Click(w, ID_CRITICAL_ROLL_SEVERITY);
        EXPECT_EQ(dice::QueuedFaces(), 0u);
        EXPECT_EQ(Box(w, ID_CRITICAL_SEVERITY_BOX)->GetValue(), c.severity) << "base '" << c.base << "'";
    }
    EXPECT_EQ(dice::RollsAsked(), std::vector<dice::Roll>(13, {1, 8})) << "one d8 per throw";
    Box(w, ID_CRITICAL_BASE_BOX)->ChangeValue("10");
    dice::QueueFaces({1, 3});
    Click(w, ID_CRITICAL_ROLL_SEVERITY);
    Click(w, ID_CRITICAL_EXPLAIN);
    EXPECT_EQ(Result(w), "Severity level below 1; Critical Hit negated");
    EXPECT_EQ(Box(w, ID_CRITICAL_LOCATION_BOX)->GetValue(), "");
}

TEST_F(CriticalFrameTest, ClosingARollerLeavesTheCreationStateAlone) {
    for (WizardStep state : {kWizardBackground, kWizardNone}) {
        program_data.WizardState = state;
        CriticalFrame* w = Open();
        wxWeakRef<wxFrame> ref(w);
        w->Close(true);
        PumpEvents();
        EXPECT_FALSE(ref);
        EXPECT_EQ(program_data.WizardState, state);
    }
}

TEST_F(CriticalFrameTest, TheMainMenuOpensIndependentRollersInNoSlot) {
    FormMain* main = RunStartUp();
    program_data.WizardState = kWizardAbilities;
    SelectMenu(main, ID_MAIN_CRITICAL);
    SelectMenu(main, ID_MAIN_CRITICAL);
    std::vector<CriticalFrame*> rollers;
    for (wxWindow* w : wxTopLevelWindows)
        if (auto* roller = dynamic_cast<CriticalFrame*>(w))
            rollers.push_back(roller);
    ASSERT_EQ(rollers.size(), 2u);
    for (CriticalFrame* roller : rollers) {
        EXPECT_EQ(roller->GetParent(), main);
        EXPECT_EQ(roller->GetTitle(), "Critical hit Rolling");
        EXPECT_TRUE(roller->IsShown());
        for (const FrameSlot& slot : VOLDFrames)
            EXPECT_FALSE(slot.Holds(roller));
    }
    EXPECT_EQ(Explain(rollers[0], "3200", "1", 3), "Chest: 1");
    EXPECT_EQ(Explain(rollers[1], "3200", "1", 0), "Chest: 3");
    EXPECT_EQ(Result(rollers[0]), "Chest: 1");
    dice::QueueFaces({42});
    Click(rollers[1], ID_CRITICAL_ROLL_LOCATION);
    EXPECT_EQ(Box(rollers[1], ID_CRITICAL_LOCATION_BOX)->GetValue(), "42");
    EXPECT_EQ(Box(rollers[0], ID_CRITICAL_LOCATION_BOX)->GetValue(), "3200");

    rollers[0]->Close(true);
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardAbilities);
    EXPECT_EQ(Explain(rollers[1], "9924", "24", 1), "Head, top: brain goo");
}

} // namespace
