// The age-and-money step: the class's age dice, the starting gold and inheritance, then the starting honor.
#pragma once

#include <array>
#include <cstdint>
#include <wx/frame.h>

#include "steps/money_rolls.h"

class wxButton;
class wxStaticText;

// Control and menu ids of the step. The window has no menu: the two menu ids are reached only by events.
enum FrameStep10Id {
    ID_STEP10_MENU_ABORT = 10008,
    ID_STEP10_MENU_CONTINUE = 10009,
    ID_STEP10_ROLL_AGE = 10017,
    ID_STEP10_ROLL_MONEY = 10018,
    ID_STEP10_CONTINUE = 10019,
    ID_STEP10_RESULT = 10052, // both result texts: they are never looked up by id
};

class FrameStep10 : public wxFrame {
public:
    FrameStep10(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    // Ends the creation (kWizardNone) unless the step handed over to the next one.
    ~FrameStep10() override;

    void RollAge(wxCommandEvent& event);
    void RollMoney(wxCommandEvent& event);
    void OnContinue(wxCommandEvent& event);
    void OnAbort(wxCommandEvent& event);

    bool IsContinued() const { return continued; }
    int32_t RollsDone() const { return rollsDone; }
    const InheritanceRoll& Inheritance() const { return inheritance; }
    // The result texts: [0] the age, [1] the gold; null until their roll is made.
    wxStaticText* Label(size_t slot) const { return labels[slot]; }

private:
    bool continued = false; // set by Continue just before the window closes
    InheritanceRoll inheritance;
    int32_t rollsDone = 0; // Continue acts only once both rolls are made
    std::array<wxStaticText*, 20> labels{};
    std::array<wxButton*, 6> buttons{}; // [0] age roll, [1] money roll, [2] Continue

    wxDECLARE_EVENT_TABLE();
};

// Opens the age-and-money step under the main window in slot 9.
FrameStep10* OpenFrameStep10();
