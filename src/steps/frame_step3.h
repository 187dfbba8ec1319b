// The first creation step: roll, trade and burn the ability scores, pick race, sex and language.
#pragma once

#include <array>
#include <vector>
#include <wx/frame.h>

#include "steps/ability_race_rules.h"
#include "ui/ability_scores.h"

class wxButton;
class wxComboBox;
class wxListBox;
class wxMenu;
class wxMenuBar;
class wxStaticBox;
class wxStaticText;
class wxTextCtrl;
class wxRadioButton;
class CharacterRace;

// Control and menu ids of the step. The boxes and labels keep their small historic ids.
enum FrameStep3Id {
    ID_STEP3_SCORE_STR = 101,   // score boxes 101 to 107, STR to COM
    ID_STEP3_RACEMOD_STR = 109, // race-modifier labels 109 to 115, STR to COM
    ID_STEP3_BP_BOX = 116,
    ID_STEP3_RACE_BP = 117,
    ID_STEP3_FRACTION_STR = 121, // fraction boxes 121 to 127, STR to COM
    ID_STEP3_MENU_ADJUST = 10004,
    ID_STEP3_MENU_BURN = 10005,
    ID_STEP3_MENU_ROLL = 10007,
    ID_STEP3_MENU_ABORT = 10008,
    ID_STEP3_MENU_CONTINUE = 10009,
    ID_STEP3_MENU_APPLY = 10012,
    ID_STEP3_ROLL = 10017,
    ID_STEP3_ADJUST = 10018,
    ID_STEP3_BURN = 10019,
    ID_STEP3_APPLY = 10020,
    ID_STEP3_CONTINUE = 10021,
    ID_STEP3_LANGUAGE = 10037,
    ID_STEP3_RACE_LIST = 10046,
    ID_STEP3_ABILITY_TEXT_STR = 10052, // ability names 10052 to 10058, STR to COM
    ID_STEP3_BP_TEXT = 10059,
    ID_STEP3_RACEMOD_FRAME = 10071,
    ID_STEP3_LOWER_FRAME = 10072,
    ID_STEP3_RAISE_FRAME = 10073,
    ID_STEP3_BURN_FRAME = 10074,
    ID_STEP3_LOWER_STR = 10075, // lowering buttons 10075 to 10080, STR to CHA
    ID_STEP3_RAISE_STR = 10081, // raising buttons 10081 to 10086, STR to CHA
    ID_STEP3_BURN_STR = 10087,  // burning buttons 10087 to 10093, STR to COM
};

class FrameStep3 : public wxFrame {
public:
    FrameStep3(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    // Ends the creation (kWizardNone) unless the step handed over to the next one.
    ~FrameStep3() override;

    void OnRoll(wxCommandEvent& event);
    void AdjustAbility(wxCommandEvent& event);
    void BurnAbility(wxCommandEvent& event);
    void ApplyAbilities(wxCommandEvent& event);
    void OnContinue(wxCommandEvent& event);
    void OnAbort(wxCommandEvent& event);
    void OnListBox(wxCommandEvent& event);
    void OnRadioButton1(wxCommandEvent& event);
    void OnRadioButton2(wxCommandEvent& event);
    void OnRadioButton3(wxCommandEvent& event);
    void OnRadioButton4(wxCommandEvent& event);
    void OnRadioButton5(wxCommandEvent& event);
    void OnRadioButton6(wxCommandEvent& event);
    void OnRadioButton7(wxCommandEvent& event);
    void OnRadioButton8(wxCommandEvent& event);
    void OnRadioButton9(wxCommandEvent& event);
    void OnRadioButton10(wxCommandEvent& event);
    void OnRadioButton11(wxCommandEvent& event);
    void OnRadioButton12(wxCommandEvent& event);
    void OnRadioButton13(wxCommandEvent& event);
    void OnRadioButton14(wxCommandEvent& event);
    void OnRadioButton15(wxCommandEvent& event);
    void OnRadioButton16(wxCommandEvent& event);
    void OnRadioButton17(wxCommandEvent& event);
    void OnRadioButton18(wxCommandEvent& event);
    void OnRadioButton19(wxCommandEvent& event);

    // Rebuilds the race list for the record's scores; nothing is selected afterwards.
    void Fill_Race_Box();
    // Takes the race of the selected list row as the character's race.
    void SelectListBox();
    // Refills the language box from the record's race and selects its first language.
    void FillRaceLangBox();

    // The player's current choices of the three radio groups.
    AbilityChoice Choice() const { return {LowerIndex, RaiseIndex, LowerFloor, BurnIndex, BurnFloor}; }
    bool IsContinued() const { return Continued; }
    // The catalogue entry behind each row of the race list.
    const std::vector<CharacterRace*>& RaceRows() const { return raceRows_; }

private:
    // Rewrites the fourteen boxes from the record.
    void ShowScores();
    // Rewrites the BP box (and the fourteen boxes when `rewriteBoxes`), rebuilds the race list and
    // empties the race labels.
    void RefreshAfterScores(bool rewriteBoxes);
    void ChooseRadioButton(int button);

    AbilityScores AbilityLookup;
    int LowerIndex = 0;
    int RaiseIndex = 0;
    int LowerFloor = 3; // Strength's floor of 1 only holds once its button is chosen
    int BurnIndex = 0;
    int BurnFloor = 3;
    bool Continued = false; // set only when Continue hands over to the next step

    std::array<wxStaticText*, kAbilityCount> AbilityText{};
    std::array<wxStaticText*, kAbilityCount> RaceModText{};
    wxStaticText* BPText = nullptr;
    wxStaticText* RaceBPText = nullptr;
    wxButton* RollButton = nullptr;
    wxButton* AdjustButton = nullptr;
    wxButton* BurnButton = nullptr;
    wxButton* ApplyButton = nullptr;
    wxButton* ContinueButton = nullptr;
    std::array<wxTextCtrl*, kAbilityCount> ScoreBox{};
    wxTextCtrl* BPBox = nullptr;
    std::array<wxTextCtrl*, kAbilityCount> FractionBox{};
    wxListBox* RaceListBox = nullptr;
    wxComboBox* LanguageBox = nullptr;
    wxStaticBox* RaceModBox = nullptr;
    wxStaticBox* LowerBox = nullptr;
    wxStaticBox* RaiseBox = nullptr;
    wxStaticBox* BurnBox = nullptr;
    std::array<wxRadioButton*, 6> LowerRadio{};
    std::array<wxRadioButton*, 6> RaiseRadio{};
    std::array<wxRadioButton*, kAbilityCount> BurnRadio{};
    wxMenuBar* StepMenuBar = nullptr;
    wxMenu* StepMenu = nullptr;

    std::vector<CharacterRace*> raceRows_;

    wxDECLARE_EVENT_TABLE();
};

// Opens the first creation step under `parent`, the main window, in slot 3.
FrameStep3* OpenFrameStep3(wxWindow* parent);
