#include "steps/frame_step10.h"

#include <utility>
#include <wx/button.h>
#include <wx/stattext.h>

#include "app/app_globals.h"
#include "app/app_icon.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "app/prompts.h"
#include "app/text_encoding.h"
#include "steps/retired_button.h"
#include "steps/skill_frame.h"

namespace {

// GTK squeezes a button's text against its frame below about 26 pixels, so the buttons are that high
// instead of 20; the rows stay where they are.
const int kButtonHeight = 26;
const int kRollButtonWidth = 170; // "Roll for Starting Money" needs about 170 with its padding
const int kLabelHeight = 17;      // room for the text's descenders

} // namespace

FrameStep10::FrameStep10(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL) {
    SetIcon(SampleIcon());
    buttons[0] = new wxButton(this, ID_STEP10_ROLL_AGE, "Roll for Starting Age", wxPoint(5, 10),
                              wxSize(kRollButtonWidth, kButtonHeight), 0, wxDefaultValidator, "Button");
    buttons[1] = new wxButton(this, ID_STEP10_ROLL_MONEY, "Roll for Starting Money", wxPoint(5, 40),
                              wxSize(kRollButtonWidth, kButtonHeight), 0, wxDefaultValidator, "Button");
    buttons[2] = new wxButton(this, ID_STEP10_CONTINUE, "Continue", wxPoint(5, 100),
                              wxSize(100, kButtonHeight), 0, wxDefaultValidator, "Button");
}

FrameStep10::~FrameStep10() {
    EndStepWindow(kSlotStep10, this, continued);
}

void FrameStep10::RollAge(wxCommandEvent&) {
    if (labels[0])
        return;
    const int32_t age = RollClassAge();
    labels[0] = new wxStaticText(this, ID_STEP10_RESULT, ToWx(Format("Age: %i", age)), wxPoint(20, 15),
                                 wxSize(150, kLabelHeight), 0);
    const RetiredButton retired(std::exchange(buttons[0], nullptr));
    ++rollsDone;
}

void FrameStep10::RollMoney(wxCommandEvent&) {
    if (labels[1])
        return;
    const int32_t gold = RollStartingMoney(inheritance);
    labels[1] = new wxStaticText(this, ID_STEP10_RESULT, ToWx(Format("Gold: %i", gold)), wxPoint(20, 45),
                                 wxSize(150, kLabelHeight), 0);
    // The button goes out of sight now and is destroyed only once the message is over.
    const RetiredButton retired(std::exchange(buttons[1], nullptr));
    // Only an inheritance is announced; a debt shows in the record.
    if (inheritance.inheritanceLevel > 0)
        Prompts().Message(ToWx(inheritance.inheritanceText), "Inheritance", wxOK | wxCANCEL);
    ++rollsDone;
}

void FrameStep10::OnContinue(wxCommandEvent&) {
    if (rollsDone != 2 || continued)
        return;
    // The honor and its message come while the window is still whole: a closed frame may be deleted
    // while a modal box runs.
    HandOverAgeAndMoney();
    continued = true;
    Close(true);
    OpenSkillFrame();
}

void FrameStep10::OnAbort(wxCommandEvent&) {
    program_data.WizardState = kWizardNone;
    Close(true);
}

FrameStep10* OpenFrameStep10() {
    return OpenInSlot<FrameStep10>(kSlotStep10, MasterFrame, "Character Creation: Age and Money",
                                   wxSize(290, 155));
}

wxBEGIN_EVENT_TABLE(FrameStep10, wxFrame)
    EVT_MENU(ID_STEP10_MENU_ABORT, FrameStep10::OnAbort)
    EVT_MENU(ID_STEP10_MENU_CONTINUE, FrameStep10::OnContinue)
    EVT_BUTTON(ID_STEP10_ROLL_AGE, FrameStep10::RollAge)
    EVT_BUTTON(ID_STEP10_ROLL_MONEY, FrameStep10::RollMoney)
    EVT_BUTTON(ID_STEP10_CONTINUE, FrameStep10::OnContinue)
wxEND_EVENT_TABLE()
