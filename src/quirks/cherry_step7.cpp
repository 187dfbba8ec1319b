#include "quirks/cherry_step7.h"

#include <algorithm>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/stattext.h>

#include "app/app_globals.h"
#include "app/app_icon.h"
#include "app/program_data.h"
#include "app/text_encoding.h"
#include "quirks/quirk_controls.h"
#include "quirks/quirk_step_openers.h"
#include "quirks/quirk_steps.h"
#include "steps/frame_step8.h"

namespace {

const int kWidth = 530;
const int kLabelHeight = 17; // room for descenders
// GTK needs 73 pixels for a list's scroll bars; a lower list logs criticals as its bars are laid out.
const int kListHeight = 73, kGivenListHeight = 60;
const int kButtonWidth = 150, kButtonHeight = 25;
const int kHeldY = 30, kMinorY = 100, kMajorY = 130, kButtonsY = 160, kRollY = 200, kPicksY = 230;

} // namespace

CherryStep7::CherryStep7(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL) {
    SetIcon(SampleIcon());

    AddQuirkStepMenu(*this, menuBar, menu);

    texts[0] =
        new wxStaticText(this, ID_CHERRY_HELD_TEXT, "Quirks and Flaws gained for zero BP up to this point",
                         wxPoint(5, 10), wxSize(kWidth, kLabelHeight));
    heldList = new wxListBox(this, ID_CHERRY_HELD_LIST, wxPoint(5, kHeldY), wxSize(kWidth, kListHeight), 0,
                             nullptr, wxLB_SINGLE | wxLB_SORT | wxLB_HSCROLL, wxDefaultValidator, "ListBox");
    // A drop-down's given height is its list's on some toolkits; here each box takes its natural height.
    // Where a control is taller than the room left for it, the controls below move down as far, keeping
    // their order and x, and the window grows by as much.
    const long comboStyle = wxCB_DROPDOWN | wxCB_READONLY | wxCB_SORT;
    const int minorY = std::max(kMinorY, kHeldY + kListHeight);
    minorChoice = new wxComboBox(this, ID_CHERRY_MINOR_CHOICE, "", wxPoint(5, minorY), wxSize(kWidth, -1), 0,
                                 nullptr, comboStyle, wxDefaultValidator, "ComboBox");
    const int majorY = std::max(kMajorY, minorY + minorChoice->GetSize().y);
    majorChoice = new wxComboBox(this, ID_CHERRY_MAJOR_CHOICE, "", wxPoint(5, majorY), wxSize(kWidth, -1), 0,
                                 nullptr, comboStyle, wxDefaultValidator, "ComboBox");
    const int shift = std::max(0, majorY + majorChoice->GetSize().y - kButtonsY);

    auto button = [this](int id, const char* label, int x, int y) {
        return new wxButton(this, id, label, wxPoint(x, y), wxSize(kButtonWidth, kButtonHeight), 0,
                            wxDefaultValidator, "Button");
    };
    buttons[0] = button(ID_CHERRY_ADD_MINOR, "Add Minor Quirk/Flaw", 5, kButtonsY + shift);
    buttons[1] = button(ID_CHERRY_ADD_MAJOR, "Add Major Quirk/Flaw", 165, kButtonsY + shift);
    buttons[2] = button(ID_CHERRY_REMOVE, "Remove Quirk/Flaw", 325, kButtonsY + shift);
    buttons[3] = button(ID_CHERRY_ROLL, "Roll Randomly", 5, kRollY + shift);
    picksList =
        new wxListBox(this, ID_CHERRY_PICKS_LIST, wxPoint(5, kPicksY + shift), wxSize(kWidth, kListHeight), 0,
                      nullptr, wxLB_SINGLE | wxLB_SORT | wxLB_HSCROLL, wxDefaultValidator, "ListBox");
    if (size.y > 0)
        SetSize(size.x, size.y + shift + kListHeight - kGivenListHeight);

    FillFlawBox();
    FillEditChoice();
}

CherryStep7::~CherryStep7() {
    EndQuirkStepWindow({kSlotQuirks, kSlotStep3}, this, continued);
}

void CherryStep7::FillFlawBox() {
    ShowLines(*heldList, HeldQuirkLines(), false);
}

void CherryStep7::FillFlawBox2() {
    ShowLines(*picksList, PickedQuirkLines(picks), false);
}

void CherryStep7::FillEditChoice() {
    const CherryOffers offers = CherryOffered(picks);
    ShowLines(*minorChoice, offers.minor, true);
    ShowLines(*majorChoice, offers.major, true);
}

void CherryStep7::OnMinorAdd(wxCommandEvent&) {
    if (CherryAddMinor(picks, FromWx(minorChoice->GetValue())))
        FillFlawBox2();
}

void CherryStep7::OnMajorAdd(wxCommandEvent&) {
    if (CherryAddMajor(picks, FromWx(majorChoice->GetValue())))
        FillFlawBox2();
}

void CherryStep7::OnRemove(wxCommandEvent&) {
    const int line = picksList->GetSelection();
    if (line == wxNOT_FOUND)
        return;
    if (CherryRemove(picks, FromWx(picksList->GetString(static_cast<unsigned>(line)))))
        FillFlawBox2();
}

void CherryStep7::OnContinue(wxCommandEvent&) {
    continued = true;
    CherryContinue(picks);
    Close(true);
    OpenFrameStep8("Character Creation: Spend BP's to raise abilities");
}

void CherryStep7::OnRoll(wxCommandEvent&) {
    if (CherryRollRandomly() == 0)
        return;
    continued = true;
    OpenFrameStep7(QuirkStepFrom::HandPicking);
    Close(true);
}

void CherryStep7::OnAbort(wxCommandEvent&) {
    program_data.WizardState = kWizardNone;
    Close(true);
}

CherryStep7* OpenCherryStep7(QuirkStepFrom from) {
    if (from == QuirkStepFrom::Background)
        return OpenInSlot<CherryStep7>(kSlotQuirks, MasterFrame, kQuirkStepFromBackgroundTitle,
                                       wxSize(550, 365));
    return OpenInSlot<CherryStep7>(kSlotStep3, MasterFrame, "Character Creation: Spend BP to raise abilities",
                                   wxSize(500, 385));
}

wxBEGIN_EVENT_TABLE(CherryStep7, wxFrame)
    EVT_MENU(ID_CHERRY_MENU_CONTINUE, CherryStep7::OnContinue)
    EVT_MENU(ID_CHERRY_MENU_ABORT, CherryStep7::OnAbort)
    EVT_BUTTON(ID_CHERRY_ADD_MINOR, CherryStep7::OnMinorAdd)
    EVT_BUTTON(ID_CHERRY_ADD_MAJOR, CherryStep7::OnMajorAdd)
    EVT_BUTTON(ID_CHERRY_REMOVE, CherryStep7::OnRemove)
    EVT_BUTTON(ID_CHERRY_ROLL, CherryStep7::OnRoll)
wxEND_EVENT_TABLE()
