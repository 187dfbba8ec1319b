// The fighter background window: rolls the three basic-training tables one after the other.
#pragma once

#include <array>
#include <cstdint>
#include <wx/frame.h>

#include "app/program_data.h"
#include "ui/ability_scores.h"

class wxButton;
class wxMenu;
class wxMenuBar;
class wxStaticText;

// Control and menu ids of the window; the row labels take 10052 onwards.
enum FrameFighterBGId {
    ID_FIGHTERBG_MENU_ABORT = 10008,
    ID_FIGHTERBG_MENU_CONTINUE = 10009,
    ID_FIGHTERBG_CAMP = 10017,
    ID_FIGHTERBG_QUALITY = 10018,
    ID_FIGHTERBG_RESULTS = 10019,
    ID_FIGHTERBG_ROW_LABEL = 10052,
};

class FrameFighterBG : public wxFrame {
public:
    FrameFighterBG(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    // Ends the window's hold on `WizardState`: back to kWizardNone only while it still holds what this
    // window set.
    ~FrameFighterBG() override;

    // One roll of a table: 1 when it stands, 0 when it was declined and paid for.
    int TypeofTrainingCamp2C();
    int QualityofBasicTraining2D();
    int ResultsofBasicTraining2E();

    void OnTypeofTrainingCampRoll(wxCommandEvent& event);
    void OnQualityofBasicTrainingRoll(wxCommandEvent& event);
    void OnResultsofBasicTrainingRoll(wxCommandEvent& event);
    void OnAbort(wxCommandEvent& event);
    void OnContinue(wxCommandEvent& event);

    int32_t CampModifier() const { return campModifier; }
    int32_t TrainingModifier() const { return trainingModifier; }
    // The controls keep their fixed places: a frame would otherwise stretch the lone first button over
    // its whole client area.
    bool Layout() override { return true; }

    // The button that rolls the next table, or null after the last.
    wxButton* CurrentButton() const { return currentButton; }

private:
    // Takes `WizardState` to `state` unless a creation step owns it.
    void SetState(WizardStep state);
    bool MayTouchState() const;
    // What every roll handler does: roll until the roll stands, then the row and the next button.
    template <class Roll>
    void RollTable(Roll roll, const char* rowLabel, const std::string& field, int nextId,
                   const char* nextLabel);

    AbilityScores abilityLookups;
    int nextRow = 10;
    int labelCount = 0;
    int32_t campModifier = 0;
    int32_t trainingModifier = 0;
    std::array<wxStaticText*, 40> rowLabels{};
    wxMenuBar* menuBar = nullptr;
    wxMenu* menu = nullptr;
    wxButton* currentButton = nullptr;

    bool openedDuringCreation; // a creation step held `WizardState` when the window opened
    WizardStep stateSet = kWizardNone; // the last value this window gave `WizardState`
    bool rolled = false;       // a table's roll has stood

    wxDECLARE_EVENT_TABLE();
};
