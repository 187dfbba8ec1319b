// The class step: spend building points on ability fractions and choose the class.
#pragma once

#include <array>
#include <wx/frame.h>

#include "steps/class_rules.h"
#include "ui/ability_scores.h"

class wxButton;
class wxListBox;
class wxStaticText;
class wxTextCtrl;

// Control and menu ids of the step. The boxes keep their small historic ids.
enum FrameStep8Id {
    ID_STEP8_VALUE_STR = 101, // ability values 101 to 107, STR to COM
    ID_STEP8_BP_LEFT = 116,
    ID_STEP8_BP_STR = 121, // BP entries 121 to 127, STR to COM
    ID_STEP8_MENU_ABORT = 10008,
    ID_STEP8_MENU_CONTINUE = 10009,
    ID_STEP8_APPLY = 10017,
    ID_STEP8_CONTINUE = 10018,
    ID_STEP8_CLASS_LIST = 10046,
    ID_STEP8_ABILITY_TEXT_STR = 10052, // ability names 10052 to 10058, STR to COM
    ID_STEP8_BP_TEXT = 10059,
};

class FrameStep8 : public wxFrame {
public:
    FrameStep8(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    // Ends the creation (kWizardNone) unless the step handed over to the next one.
    ~FrameStep8() override;

    // Shows the working abilities and the BP left, empties the BP boxes, drops the picked class and
    // refills the class list.
    void Show_Abilities();
    void ApplyAbilities(wxCommandEvent& event);
    void OnContinue(wxCommandEvent& event);
    void OnAbort(wxCommandEvent& event);
    void OnListBox(wxCommandEvent& event);

    // Lists the classes the working abilities qualify for; nothing is selected afterwards.
    void Fill_Class_Box();
    // Takes the class of the selected list row as the character's class.
    void SelectListBox();

    bool IsContinued() const { return continued; }
    const AbilityValues& WorkingScores() const { return abilityScore; }
    const AbilityValues& WorkingFractions() const { return abilityPerc; }
    const AbilityValues& EnteredBP() const { return bpEntered; }
    int32_t SpentBP() const { return bpSpent; }
    int32_t ClassBonus() const { return classBonus; }

private:
    void ShowValues();
    void ShowBPLeft();
    void ReloadAbilities();

    AbilityScores abilities;
    bool continued = false; // set only when Continue hands over to the next step
    AbilityValues abilityScore{};
    AbilityValues abilityPerc{};
    AbilityValues bpEntered{};
    int32_t bpSpent = 0;
    int32_t classBonus = 0;
    std::array<wxStaticText*, kAbilityCount> abilityLabels{};
    wxStaticText* bpLabel = nullptr;
    std::array<wxTextCtrl*, kAbilityCount> abilityTexts{};
    wxTextCtrl* bpLeftText = nullptr;
    std::array<wxTextCtrl*, kAbilityCount> bpBoxes{};
    wxListBox* classList = nullptr;
    wxButton* applyButton = nullptr;
    wxButton* continueButton = nullptr;

    wxDECLARE_EVENT_TABLE();
};

// Opens the class step under the main window in slot 8, with the title of the quirk step that opens it.
FrameStep8* OpenFrameStep8(const wxString& title);
