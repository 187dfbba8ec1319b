// The quirk step's random-roll window: roll the queued quirk tables, then go on.
#pragma once

#include <wx/frame.h>

#include "quirks/quirk_controls.h"
#include "quirks/quirk_rolls.h"

class wxButton;
class wxComboBox;
class wxListBox;
class wxMenu;
class wxMenuBar;
class wxStaticText;

// Control and menu ids of the random-roll window.
enum FrameStep7Id {
    ID_STEP7_MENU_ABORT = ID_QUIRK_MENU_ABORT,
    ID_STEP7_MENU_CONTINUE = ID_QUIRK_MENU_CONTINUE,
    ID_STEP7_ROLL = 10017,
    ID_STEP7_TABLE_LIST = 10037,
    ID_STEP7_GAINED_LIST = 10046,
    ID_STEP7_GAINED_TEXT = 10052,
    ID_STEP7_BP_TEXT = 10053,
};

class FrameStep7 : public wxFrame {
public:
    // Builds the window and its list of tables from WizardState (kWizardQuirks: the background step's
    // free tables; kWizardChosenQuirkRolls: the main tables chosen in hand-picking); the opener stores
    // and shows it.
    FrameStep7(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    // Ends the creation (kWizardNone) unless Continue handed over, and empties its slot (5 or 6) while that
    // slot still holds it.
    ~FrameStep7() override;

    void OnRoll(wxCommandEvent& event);
    void OnContinue(wxCommandEvent& event);
    void OnAbort(wxCommandEvent& event);

    // Refills the gained list from the character's counts.
    void FillFlawBox();

    const QuirkRollList& Rolls() const { return rolls; }
    bool IsContinued() const { return continued; }

private:
    // Rewrites the table list and the BP label from the rules' state.
    void ShowTables();
    void ShowBP();

    bool continued = false; // set only when Continue proceeds
    QuirkRollList rolls;
    wxComboBox* tableList = nullptr;
    wxButton* rollButton = nullptr;
    wxStaticText* bpText = nullptr;
    wxStaticText* gainedText = nullptr;
    wxListBox* gainedList = nullptr;
    wxMenuBar* menuBar = nullptr;
    wxMenu* menu = nullptr;

    wxDECLARE_EVENT_TABLE();
};
