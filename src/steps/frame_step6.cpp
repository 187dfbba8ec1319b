#include "steps/frame_step6.h"

#include <wx/button.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include "app/app_globals.h"
#include "app/app_icon.h"
#include "app/program_data.h"
#include "app/text_encoding.h"
#include "steps/background_handover.h"
#include "steps/retired_button.h"

namespace {

// GTK draws a label's descenders below 15 pixels, so the rows' texts are 17 high; the rows stay 20 apart.
const int kTextHeight = 17;
const int kRowStep = 20;
// A value reaches to the window's right edge and ends in "..." where it is still too long; its whole
// text shows as its tooltip (a circumstance of birth runs to some 60 characters).
const int kCaptionX = 5, kValueX = 210, kValueWidth = 280;
const int kButtonX = 5, kButtonWidth = 200, kButtonHeight = 25;
// The first button's label needs more than its 100 pixels on GTK.
const int kFirstButtonWidth = 190;

} // namespace

FrameStep6::FrameStep6(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxCLIP_CHILDREN | wxTAB_TRAVERSAL) {
    SetIcon(SampleIcon());

    menu = new wxMenu;
    menu->Append(ID_STEP6_MENU_CONTINUE, "&Continue", "Go on to the next step");
    menu->AppendSeparator();
    menu->Append(ID_STEP6_MENU_ABORT, "Ab&ort", "Abort character");
    menuBar = new wxMenuBar;
    menuBar->Append(menu, "&Menu");
    SetMenuBar(menuBar);

    CreateStatusBar(3);

    // The controls sit on a panel: a frame stretches a lone child over its whole client area, which
    // would swallow the first button while it is the only control.
    panel = new wxPanel(this, wxID_ANY);
    const ChainButton first = *ChainButtonFor(ID_STEP6_AGE);
    rollButton = new wxButton(panel, first.id, first.label, wxPoint(kButtonX, 10),
                              wxSize(kFirstButtonWidth, kButtonHeight));
}

FrameStep6::~FrameStep6() {
    EndStepWindow(kSlotStep6, this, continued);
}

void FrameStep6::RollFromButton(int id) {
    wxButton* clicked = rollButton && rollButton->GetId() == id ? rollButton : nullptr;
    const RetiredButton retired(clicked);
    if (clicked)
        rollButton = nullptr;
    const std::optional<ChainButton> next =
        RollChainItem(id, gains, [this](const ResultRow& row) { AddRow(row); });
    if (next)
        rollButton = new wxButton(panel, next->id, next->label, wxPoint(kButtonX, nextY),
                                  wxSize(kButtonWidth, kButtonHeight));
}

void FrameStep6::AddRow(const ResultRow& row) {
    auto text = [this](const std::string& label, int x, int width, long style) {
        const int id = ID_STEP6_TEXT_FIRST + static_cast<int>(texts.size());
        auto* added =
            new wxStaticText(panel, id, ToWx(label), wxPoint(x, nextY), wxSize(width, kTextHeight), style);
        texts.push_back(added);
        return added;
    };
    text(row.caption, kCaptionX, row.captionWidth, 0);
    text(row.value, kValueX, kValueWidth, wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END)
        ->SetToolTip(ToWx(row.value));
    nextY += kRowStep;
}

void FrameStep6::OnAgeRoll(wxCommandEvent&) {
    RollFromButton(ID_STEP6_AGE);
}
void FrameStep6::OnHandednessRoll(wxCommandEvent&) {
    RollFromButton(ID_STEP6_HANDEDNESS);
}
void FrameStep6::OnHeightRoll(wxCommandEvent&) {
    RollFromButton(ID_STEP6_HEIGHT);
}
void FrameStep6::OnWeightRoll(wxCommandEvent&) {
    RollFromButton(ID_STEP6_WEIGHT);
}
void FrameStep6::OnSocialClassRoll(wxCommandEvent&) {
    RollFromButton(ID_STEP6_SOCIAL_CLASS);
}
void FrameStep6::OnBirthLegitRoll(wxCommandEvent&) {
    RollFromButton(ID_STEP6_LEGITIMACY);
}
void FrameStep6::OnMomStatusRoll(wxCommandEvent&) {
    RollFromButton(ID_STEP6_MOTHER_STATUS);
}
void FrameStep6::OnDadStatusRoll(wxCommandEvent&) {
    RollFromButton(ID_STEP6_FATHER_STATUS);
}
void FrameStep6::OnStepMomRoll(wxCommandEvent&) {
    RollFromButton(ID_STEP6_STEP_MOTHER);
}
void FrameStep6::OnMomQualityRoll(wxCommandEvent&) {
    RollFromButton(ID_STEP6_MOTHER_QUALITY);
}
void FrameStep6::OnDadQualityRoll(wxCommandEvent&) {
    RollFromButton(ID_STEP6_FATHER_QUALITY);
}
void FrameStep6::OnFamilyHeritageRoll(wxCommandEvent&) {
    RollFromButton(ID_STEP6_HERITAGE);
}
void FrameStep6::OnSiblingsRoll(wxCommandEvent&) {
    RollFromButton(ID_STEP6_SIBLINGS);
}
void FrameStep6::OnBirthOrderRoll(wxCommandEvent&) {
    RollFromButton(ID_STEP6_BIRTH_ORDER);
}

void FrameStep6::OnContinue(wxCommandEvent&) {
    // Every choice is asked while this window is still open; nothing of it is touched after the close.
    const BackgroundExit exit = HandOverBackground(gains);
    if (exit == BackgroundExit::Refused)
        return;
    continued = true;
    Close(true);
    OpenQuirkStepAfterBackground(exit == BackgroundExit::ToHandPicking);
}

void FrameStep6::OnAbort(wxCommandEvent&) {
    program_data.WizardState = kWizardNone;
    Close(true);
}

FrameStep6* OpenFrameStep6() {
    return OpenInSlot<FrameStep6>(kSlotStep6, MasterFrame, "Character Creation: Roll Priors and Particulars",
                                  wxSize(500, 385));
}

wxBEGIN_EVENT_TABLE(FrameStep6, wxFrame)
    EVT_BUTTON(ID_STEP6_AGE, FrameStep6::OnAgeRoll)
    EVT_BUTTON(ID_STEP6_HANDEDNESS, FrameStep6::OnHandednessRoll)
    EVT_BUTTON(ID_STEP6_HEIGHT, FrameStep6::OnHeightRoll)
    EVT_BUTTON(ID_STEP6_WEIGHT, FrameStep6::OnWeightRoll)
    EVT_BUTTON(ID_STEP6_SOCIAL_CLASS, FrameStep6::OnSocialClassRoll)
    EVT_BUTTON(ID_STEP6_LEGITIMACY, FrameStep6::OnBirthLegitRoll)
    EVT_BUTTON(ID_STEP6_MOTHER_STATUS, FrameStep6::OnMomStatusRoll)
    EVT_BUTTON(ID_STEP6_FATHER_STATUS, FrameStep6::OnDadStatusRoll)
    EVT_BUTTON(ID_STEP6_STEP_MOTHER, FrameStep6::OnStepMomRoll)
    EVT_BUTTON(ID_STEP6_MOTHER_QUALITY, FrameStep6::OnMomQualityRoll)
    EVT_BUTTON(ID_STEP6_FATHER_QUALITY, FrameStep6::OnDadQualityRoll)
    EVT_BUTTON(ID_STEP6_HERITAGE, FrameStep6::OnFamilyHeritageRoll)
    EVT_BUTTON(ID_STEP6_SIBLINGS, FrameStep6::OnSiblingsRoll)
    EVT_BUTTON(ID_STEP6_BIRTH_ORDER, FrameStep6::OnBirthOrderRoll)
    EVT_MENU(ID_STEP6_MENU_ABORT, FrameStep6::OnAbort)
    EVT_MENU(ID_STEP6_MENU_CONTINUE, FrameStep6::OnContinue)
wxEND_EVENT_TABLE()
