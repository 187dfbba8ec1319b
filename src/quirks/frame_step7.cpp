#include "quirks/frame_step7.h"

#include <algorithm>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/stattext.h>

#include "app/app_globals.h"
#include "app/app_icon.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "app/text_encoding.h"
#include "quirks/quirk_controls.h"
#include "quirks/quirk_step_openers.h"
#include "quirks/quirk_steps.h"
#include "steps/frame_step8.h"

namespace {

const int kLabelHeight = 17; // room for descenders
const int kTableY = 10, kGainedTextY = 40, kGainedListY = 60;

} // namespace

FrameStep7::FrameStep7(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL) {
    SetIcon(SampleIcon());

    AddQuirkStepMenu(*this, menuBar, menu);

    // A drop-down's given height is its list's on some toolkits; here the box takes its natural height,
    // and where that reaches into the heading below, the heading and the list move down as far and the
    // window grows by as much.
    tableList = new wxComboBox(this, ID_STEP7_TABLE_LIST, "", wxPoint(5, kTableY), wxSize(250, -1), 0,
                               nullptr, wxCB_DROPDOWN | wxCB_READONLY, wxDefaultValidator, "ComboBox");
    const int shift = std::max(0, kTableY + tableList->GetSize().y - kGainedTextY);
    rollButton = new wxButton(this, ID_STEP7_ROLL, "Roll for Quirk or Flaw", wxPoint(260, 8), wxSize(150, 25),
                              0, wxDefaultValidator, "Button");
    bpText = new wxStaticText(this, ID_STEP7_BP_TEXT, "BP", wxPoint(420, 14), wxSize(50, kLabelHeight));
    gainedText = new wxStaticText(this, ID_STEP7_GAINED_TEXT, "Quirks and Flaws Gained",
                                  wxPoint(5, kGainedTextY + shift), wxSize(530, kLabelHeight));
    gainedList =
        new wxListBox(this, ID_STEP7_GAINED_LIST, wxPoint(5, kGainedListY + shift), wxSize(530, 410), 0,
                      nullptr, wxLB_SINGLE | wxLB_SORT | wxLB_HSCROLL, wxDefaultValidator, "ListBox");
    if (shift > 0 && size.y > 0)
        SetSize(size.x, size.y + shift);

    // The gained list shows what the character held on arrival, before the corrections and the queue
    // change any count.
    FillFlawBox();
    rolls = OpenQuirkRolls();
    ShowBP();
    ShowTables();
}

FrameStep7::~FrameStep7() {
    EndQuirkStepWindow({kSlotQuirks, kSlotQuirkRolls}, this, continued);
}

void FrameStep7::FillFlawBox() {
    ShowLines(*gainedList, HeldQuirkLines(), false);
}

void FrameStep7::ShowTables() {
    ShowLines(*tableList, rolls.tables, false);
    if (rolls.selection >= 0 && static_cast<unsigned>(rolls.selection) < tableList->GetCount())
        tableList->SetSelection(rolls.selection);
}

void FrameStep7::ShowBP() {
    bpText->SetLabel(ToWx(FormatFixed(program_data.BuildingPoints, 0, -3) + " BP"));
}

void FrameStep7::OnRoll(wxCommandEvent&) {
    rolls.selection = tableList->GetSelection();
    QuirkRollPress(rolls);
    // A refused roll bought with BP still changed the pool, so everything is shown again.
    ShowTables();
    ShowBP();
    FillFlawBox();
}

void FrameStep7::OnContinue(wxCommandEvent&) {
    switch (LeaveQuirkRolls(rolls)) {
    case QuirkRollsExit::Refused:
        return;
    case QuirkRollsExit::ToHandPicking:
        continued = true;
        OpenCherryStep7(QuirkStepFrom::RandomRolls);
        Close(true);
        return;
    case QuirkRollsExit::ToClassStep:
        continued = true;
        Close(true);
        OpenFrameStep8("Character Creation: Quirks and Flaws");
        return;
    }
}

void FrameStep7::OnAbort(wxCommandEvent&) {
    // The free rolls the background step granted cannot be given up.
    if (program_data.WizardState <= kWizardQuirks)
        return;
    program_data.WizardState = kWizardNone;
    Close(true);
}

FrameStep7* OpenFrameStep7(QuirkStepFrom from) {
    const bool fromBackground = from == QuirkStepFrom::Background;
    return OpenInSlot<FrameStep7>(fromBackground ? kSlotQuirks : kSlotQuirkRolls, MasterFrame,
                                  fromBackground ? kQuirkStepFromBackgroundTitle
                                                 : "Character Creation: Quirks and Flaws",
                                  wxSize(550, 550));
}

wxBEGIN_EVENT_TABLE(FrameStep7, wxFrame)
    EVT_MENU(ID_STEP7_MENU_ABORT, FrameStep7::OnAbort)
    EVT_MENU(ID_STEP7_MENU_CONTINUE, FrameStep7::OnContinue)
    EVT_BUTTON(ID_STEP7_ROLL, FrameStep7::OnRoll)
wxEND_EVENT_TABLE()
