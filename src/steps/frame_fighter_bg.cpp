#include "steps/frame_fighter_bg.h"

#include <algorithm>
#include <utility>
#include <wx/button.h>
#include <wx/menu.h>
#include <wx/stattext.h>

#include "app/app_icon.h"
#include "app/character.h"
#include "app/program_data.h"
#include "app/text_encoding.h"
#include "steps/fighter_background.h"
#include "steps/frame_fighter_bgq.h"
#include "steps/retired_button.h"

wxBEGIN_EVENT_TABLE(FrameFighterBG, wxFrame)
    EVT_BUTTON(ID_FIGHTERBG_CAMP, FrameFighterBG::OnTypeofTrainingCampRoll)
    EVT_BUTTON(ID_FIGHTERBG_QUALITY, FrameFighterBG::OnQualityofBasicTrainingRoll)
    EVT_BUTTON(ID_FIGHTERBG_RESULTS, FrameFighterBG::OnResultsofBasicTrainingRoll)
    EVT_MENU(ID_FIGHTERBG_MENU_ABORT, FrameFighterBG::OnAbort)
    EVT_MENU(ID_FIGHTERBG_MENU_CONTINUE, FrameFighterBG::OnContinue)
wxEND_EVENT_TABLE()

namespace {

const int kRowLabelHeight = 17; // room for descenders
const int kResultX = 210;
const int kResultWidth = 420; // to the window's right edge: 2E's texts run to about 350 characters

} // namespace

FrameFighterBG::FrameFighterBG(wxWindow* parent, const wxString& title, const wxPoint& pos,
                               const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL),
      openedDuringCreation(program_data.WizardState != kWizardNone) {
    SetIcon(SampleIcon());

    menu = new wxMenu;
    menu->Append(ID_FIGHTERBG_MENU_CONTINUE, "&Continue", "Go on to the next step");
    menu->AppendSeparator();
    menu->Append(ID_FIGHTERBG_MENU_ABORT, "Ab&ort", "Abort character");
    menuBar = new wxMenuBar;
    menuBar->Append(menu, "&Menu");
    SetMenuBar(menuBar);

    CreateStatusBar(3);

    currentButton = new wxButton(this, ID_FIGHTERBG_CAMP, "Begin Fighter Priors and Particulars",
                                 wxPoint(5, 10), wxSize(100, 25), 0, wxDefaultValidator, "Button");
    // The given 100 pixels would cut the label short under GTK: just as wide as it needs.
    currentButton->SetSize(std::max(100, currentButton->GetBestSize().x), 25);
}

FrameFighterBG::~FrameFighterBG() {
    if (stateSet != kWizardNone && program_data.WizardState == stateSet)
        program_data.WizardState = kWizardNone;
}

bool FrameFighterBG::MayTouchState() const {
    return !openedDuringCreation &&
           (program_data.WizardState == kWizardNone || program_data.WizardState == stateSet);
}

void FrameFighterBG::SetState(WizardStep state) {
    if (!MayTouchState())
        return;
    program_data.WizardState = state;
    stateSet = state;
}

int FrameFighterBG::TypeofTrainingCamp2C() {
    return RollTrainingCamp(campModifier) ? 1 : 0;
}

int FrameFighterBG::QualityofBasicTraining2D() {
    return RollBasicTrainingQuality(campModifier, trainingModifier) ? 1 : 0;
}

int FrameFighterBG::ResultsofBasicTraining2E() {
    return RollTrainingResults(trainingModifier,
                               [this](const std::string& type) {
                                   (new FrameFighterBGQ(this, "Select a Free Weapon Proficiency",
                                                        wxDefaultPosition, wxSize(200, 500), ToWx(type)))
                                       ->Show(true);
                               })
               ? 1
               : 0;
}

template <class Roll>
void FrameFighterBG::RollTable(Roll roll, const char* rowLabel, const std::string& field, int nextId,
                               const char* nextLabel) {
    // The clicked button goes out of sight at once and is destroyed once the roll and its dialogs are over.
    const RetiredButton retired(std::exchange(currentButton, nullptr));

    SetState(kWizardFighterRolled);
    while (!(this->*roll)()) {
    }
    rolled = true;

    rowLabels[static_cast<size_t>(labelCount)] =
        new wxStaticText(this, ID_FIGHTERBG_ROW_LABEL + labelCount, rowLabel, wxPoint(5, nextRow),
                         wxSize(200, kRowLabelHeight), 0);
    ++labelCount;
    // The row shows the result as it stood; the whole text is in the tooltip when the row cuts it short.
    auto* result =
        new wxStaticText(this, ID_FIGHTERBG_ROW_LABEL + labelCount, wxString(), wxPoint(kResultX, nextRow),
                         wxSize(kResultWidth, kRowLabelHeight), wxST_ELLIPSIZE_END | wxST_NO_AUTORESIZE);
    result->SetLabelText(ToWx(field));
    result->SetToolTip(ToWx(field));
    rowLabels[static_cast<size_t>(labelCount)] = result;
    ++labelCount;
    nextRow += 20;

    if (nextId != 0)
        currentButton = new wxButton(this, nextId, nextLabel, wxPoint(5, nextRow), wxSize(200, 25), 0,
                                     wxDefaultValidator, "Button");
}

void FrameFighterBG::OnTypeofTrainingCampRoll(wxCommandEvent&) {
    RollTable(&FrameFighterBG::TypeofTrainingCamp2C, "Type of Training Camp:", current_character.CAMP_TYPE,
              ID_FIGHTERBG_QUALITY, "Quality of Basic Training");
}

void FrameFighterBG::OnQualityofBasicTrainingRoll(wxCommandEvent&) {
    RollTable(&FrameFighterBG::QualityofBasicTraining2D,
              "Quality of Basic Training:", current_character.CAMP_QUALITY, ID_FIGHTERBG_RESULTS,
              "Results of Basic Training");
}

void FrameFighterBG::OnResultsofBasicTrainingRoll(wxCommandEvent&) {
    // No table follows 2E, so no button follows it.
    RollTable(&FrameFighterBG::ResultsofBasicTraining2E,
              "Results of Basic Training:", current_character.CAMP_RESULTS, 0, nullptr);
}

void FrameFighterBG::OnAbort(wxCommandEvent&) {
    SetState(kWizardNone);
    Close(true);
}

void FrameFighterBG::OnContinue(wxCommandEvent&) {
    if (!rolled)
        return;
    if (MayTouchState()) {
        if (program_data.WizardState != kWizardFighterRolled)
            return;
        SetState(kWizardQuirks);
    }
    Close(true);
}
