// The quirk step's hand-picking window: pick up to two minor and one major quirk or flaw for BP.
#pragma once

#include <array>
#include <wx/frame.h>

#include "quirks/cherry_pick.h"
#include "quirks/quirk_controls.h"

class wxButton;
class wxComboBox;
class wxListBox;
class wxMenu;
class wxMenuBar;
class wxStaticText;

// Control and menu ids of the hand-picking window.
enum CherryStep7Id {
    ID_CHERRY_MENU_ABORT = ID_QUIRK_MENU_ABORT,
    ID_CHERRY_MENU_CONTINUE = ID_QUIRK_MENU_CONTINUE,
    ID_CHERRY_ADD_MINOR = 10017,
    ID_CHERRY_ADD_MAJOR = 10018,
    ID_CHERRY_REMOVE = 10019,
    ID_CHERRY_ROLL = 10020,
    ID_CHERRY_MINOR_CHOICE = 10037,
    ID_CHERRY_MAJOR_CHOICE = 10038,
    ID_CHERRY_HELD_LIST = 10046,
    ID_CHERRY_PICKS_LIST = 10047,
    ID_CHERRY_HELD_TEXT = 10052,
};

class CherryStep7 : public wxFrame {
public:
    // Builds the window with the held list and the offers filled; the opener stores and shows it.
    CherryStep7(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    // Ends the creation (kWizardNone) unless the window handed over, and empties its slot (5 or 3) while
    // that slot still holds it.
    ~CherryStep7() override;

    void OnMinorAdd(wxCommandEvent& event);
    void OnMajorAdd(wxCommandEvent& event);
    void OnRemove(wxCommandEvent& event);
    void OnContinue(wxCommandEvent& event);
    void OnRoll(wxCommandEvent& event);
    void OnAbort(wxCommandEvent& event);

    // Refill the held list, the picks list and the two choices.
    void FillFlawBox();
    void FillFlawBox2();
    void FillEditChoice();

    const CherryPicks& Picks() const { return picks; }
    bool IsContinued() const { return continued; }

private:
    bool continued = false; // set when Continue or Roll Randomly hands over
    CherryPicks picks;
    std::array<wxStaticText*, 40> texts{};
    std::array<wxButton*, 6> buttons{}; // Add Minor, Add Major, Remove, Roll Randomly; 4 and 5 unused
    wxListBox* heldList = nullptr;
    wxListBox* picksList = nullptr;
    wxComboBox* minorChoice = nullptr;
    wxComboBox* majorChoice = nullptr;
    wxMenuBar* menuBar = nullptr;
    wxMenu* menu = nullptr;

    wxDECLARE_EVENT_TABLE();
};
