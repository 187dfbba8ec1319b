#include "steps/frame_step8.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/app_globals.h"
#include "app/app_icon.h"
#include "app/character.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "app/text_encoding.h"
#include "catalog/class_catalog.h"
#include "steps/class_handover.h"
#include "steps/frame_step10.h"
#include "steps/thief_skills_frame.h"
#include "ui/tree_pushers.h"

namespace {

// Geometry of the columns. GTK draws a text box with about 17 pixels of frame and padding around its
// text, so the names, the "%i/%i" values and the BP boxes are wider than a tighter toolkit would need
// and each column starts a little further right; the class list keeps its place.
const int kNameX = 5, kNameWidth = 80, kBPNameWidth = 98;
const int kValueX = 88, kValueWidth = 62;    // "16/100"
const int kEntryX = 153, kEntryWidth = 41;   // "-10"
const int kBPLeftX = 106, kBPLeftWidth = 55; // right of the longer "Building Points"
const int kBoxHeight = 15;
const int kLabelHeight = 17; // room for descenders

int Row(size_t i) {
    return 15 + 20 * static_cast<int>(i);
}

} // namespace

FrameStep8::FrameStep8(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL) {
    sendquirkflawtotree();
    ReloadAbilities();
    SetIcon(SampleIcon());

    for (size_t i = 0; i < kAbilityCount; ++i)
        abilityLabels[i] =
            new wxStaticText(this, ID_STEP8_ABILITY_TEXT_STR + static_cast<int>(i), kAbilityNames[i],
                             wxPoint(kNameX, Row(i)), wxSize(kNameWidth, kLabelHeight), 0);
    bpLabel = new wxStaticText(this, ID_STEP8_BP_TEXT, "Building Points", wxPoint(kNameX, Row(7)),
                               wxSize(kBPNameWidth, kLabelHeight), 0);
    for (size_t i = 0; i < kAbilityCount; ++i)
        abilityTexts[i] =
            new wxTextCtrl(this, ID_STEP8_VALUE_STR + static_cast<int>(i), "0", wxPoint(kValueX, Row(i)),
                           wxSize(kValueWidth, kBoxHeight), wxTE_CENTRE);
    bpLeftText = new wxTextCtrl(this, ID_STEP8_BP_LEFT, "BP", wxPoint(kBPLeftX, Row(7)),
                                wxSize(kBPLeftWidth, kBoxHeight), wxTE_CENTRE);
    for (size_t i = 0; i < kAbilityCount; ++i)
        bpBoxes[i] = new wxTextCtrl(this, ID_STEP8_BP_STR + static_cast<int>(i), "0",
                                    wxPoint(kEntryX, Row(i)), wxSize(kEntryWidth, kBoxHeight), wxTE_CENTRE);
    classList = new wxListBox(this, ID_STEP8_CLASS_LIST, wxPoint(200, 5), wxSize(250, 235), 0, nullptr,
                              wxLB_SINGLE | wxLB_HSCROLL, wxDefaultValidator, "ListBox");
    applyButton = new wxButton(this, ID_STEP8_APPLY, "Apply BP Adjustments", wxPoint(25, 180),
                               wxSize(150, 25), 0, wxDefaultValidator, "Button");
    continueButton = new wxButton(this, ID_STEP8_CONTINUE, "Continue", wxPoint(60, 215), wxSize(80, 25), 0,
                                  wxDefaultValidator, "Button");

    Show_Abilities();
}

FrameStep8::~FrameStep8() {
    EndStepWindow(kSlotStep8, this, continued);
}

void FrameStep8::ReloadAbilities() {
    abilityScore = current_character.ABILITY_BASE;
    abilityPerc = current_character.ABILITY_PERC;
    bpEntered.fill(0);
    bpSpent = 0;
}

void FrameStep8::ShowValues() {
    for (size_t i = 0; i < kAbilityCount; ++i)
        abilityTexts[i]->ChangeValue(ToWx(Format("%i/%i", abilityScore[i], abilityPerc[i])));
}

void FrameStep8::ShowBPLeft() {
    bpLeftText->ChangeValue(ToWx(BPLeftText(program_data.BuildingPoints, bpSpent)));
}

void FrameStep8::Show_Abilities() {
    ShowValues();
    for (wxTextCtrl* box : bpBoxes)
        box->ChangeValue("");
    ShowBPLeft();
    current_character.pClass = nullptr;
    Fill_Class_Box();
}

void FrameStep8::ApplyAbilities(wxCommandEvent&) {
    std::array<std::string, kAbilityCount> typed;
    for (size_t i = 0; i < kAbilityCount; ++i)
        typed[i] = FromWx(bpBoxes[i]->GetValue());
    const BPAllotment allotment = ApplyClassStepBP(typed);
    if (allotment.accepted) {
        bpEntered = allotment.entered;
        bpSpent = allotment.spent;
        abilityScore = allotment.scores;
        abilityPerc = allotment.fractions;
        // The BP boxes keep what was typed.
        ShowValues();
        ShowBPLeft();
        Fill_Class_Box();
        return;
    }
    // Refused: the stored values return and the BP-left box shows the shortfall. The refused amounts are
    // then forgotten, so Continue cannot charge the player for BP never spent.
    ReloadAbilities();
    bpSpent = allotment.spent;
    Show_Abilities();
    bpSpent = 0;
}

void FrameStep8::OnContinue(wxCommandEvent&) {
    const auto thieves = HandOverClass(abilityScore, abilityPerc, bpEntered, bpSpent, classBonus);
    if (!thieves)
        return;
    continued = true;
    // Each thief-type class spreads its points in a window of its own, beside the next step.
    for (ClassDataItem* record : *thieves)
        (new ThiefSkills(MasterFrame, "Thief Skills", wxDefaultPosition, wxSize(300, 300), record))
            ->Show(true);
    Close(true);
    OpenFrameStep10();
}

void FrameStep8::OnAbort(wxCommandEvent&) {
    program_data.WizardState = kWizardNone;
    Close(true);
}

void FrameStep8::OnListBox(wxCommandEvent&) {
    SelectListBox();
}

void FrameStep8::Fill_Class_Box() {
    wxArrayString rows;
    for (const CharacterClass* c : ClassesForAbilities(abilityScore, abilityPerc))
        rows.Add(ToWx(c->NAME));
    classList->Set(rows);
}

void FrameStep8::SelectListBox() {
    const int row = classList->GetSelection();
    if (row == wxNOT_FOUND)
        return;
    if (const CharacterClass* picked = PickClass(FromWx(classList->GetString(static_cast<unsigned>(row)))))
        classBonus = picked->BP;
}

FrameStep8* OpenFrameStep8(const wxString& title) {
    return OpenInSlot<FrameStep8>(kSlotStep8, MasterFrame, title, wxSize(470, 280));
}

wxBEGIN_EVENT_TABLE(FrameStep8, wxFrame)
    EVT_MENU(ID_STEP8_MENU_ABORT, FrameStep8::OnAbort)
    EVT_MENU(ID_STEP8_MENU_CONTINUE, FrameStep8::OnContinue)
    EVT_BUTTON(ID_STEP8_APPLY, FrameStep8::ApplyAbilities)
    EVT_BUTTON(ID_STEP8_CONTINUE, FrameStep8::OnContinue)
    EVT_LISTBOX(ID_STEP8_CLASS_LIST, FrameStep8::OnListBox)
wxEND_EVENT_TABLE()
