#include "steps/frame_step3.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/app_globals.h"
#include "app/app_icon.h"
#include "app/character.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "app/text_encoding.h"
#include "catalog/race_catalog.h"
#include "steps/frame_step6.h"
#include "ui/tree_pushers.h"

namespace {

// Geometry of the columns. GTK draws a text box with about 17 pixels of frame and padding around its
// text and a radio button 28 pixels wide, so the name column, the boxes and the column frames are wider
// than a tighter toolkit would need, and the columns right of the boxes sit further right to make room.
const int kNameX = 5, kNameWidth = 80, kBPNameWidth = 98;
const int kScoreX = 88, kScoreWidth = 33;        // two digits
const int kFractionX = 124, kFractionWidth = 41; // three digits
const int kBPBoxX = 106, kBPBoxWidth = kFractionX + kFractionWidth - kBPBoxX;
const int kBoxHeight = 15;
const int kLabelHeight = 17;                     // room for descenders
const int kModFrameX = 168, kModFrameWidth = 34; // "+/-": the race modifiers
const int kModX = kModFrameX + 2, kModWidth = kModFrameWidth - 4;
const int kLowerFrameX = 205, kRaiseFrameX = 244, kAdjustFrameWidth = 36;
const int kBurnFrameX = 283, kBurnFrameWidth = 40;
const int kFrameY = 1, kFrameHeight = 173;
const int kLowerRadioX = kLowerFrameX + 5, kRaiseRadioX = kRaiseFrameX + 5, kBurnRadioX = kBurnFrameX + 8;
const int kListX = 330, kListWidth = 160;
const int kButtonY = 180;

int Row(size_t i) {
    return 15 + 20 * static_cast<int>(i);
}

} // namespace

FrameStep3::FrameStep3(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL) {
    program_data.WizardState = kWizardAbilities;
    SetIcon(SampleIcon());

    for (size_t i = 0; i < kAbilityCount; ++i)
        AbilityText[i] =
            new wxStaticText(this, ID_STEP3_ABILITY_TEXT_STR + static_cast<int>(i), kAbilityNames[i],
                             wxPoint(kNameX, Row(i)), wxSize(kNameWidth, kLabelHeight), 0);
    BPText = new wxStaticText(this, ID_STEP3_BP_TEXT, "Building Points", wxPoint(kNameX, Row(7)),
                              wxSize(kBPNameWidth, kLabelHeight), 0);

    for (size_t i = 0; i < kAbilityCount; ++i) {
        const int n = static_cast<int>(i);
        ScoreBox[i] = new wxTextCtrl(this, ID_STEP3_SCORE_STR + n, "0", wxPoint(kScoreX, Row(i)),
                                     wxSize(kScoreWidth, kBoxHeight), wxTE_CENTRE);
        FractionBox[i] = new wxTextCtrl(this, ID_STEP3_FRACTION_STR + n, "0", wxPoint(kFractionX, Row(i)),
                                        wxSize(kFractionWidth, kBoxHeight), wxTE_CENTRE);
    }
    BPBox = new wxTextCtrl(this, ID_STEP3_BP_BOX, "0", wxPoint(kBPBoxX, Row(7)),
                           wxSize(kBPBoxWidth, kBoxHeight), wxTE_CENTRE);

    // The labels keep their given width so a changed text stays centred in its column.
    const long labelStyle = wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE;
    for (size_t i = 0; i < kAbilityCount; ++i)
        RaceModText[i] =
            new wxStaticText(this, ID_STEP3_RACEMOD_STR + static_cast<int>(i), "", wxPoint(kModX, Row(i)),
                             wxSize(kModWidth, kLabelHeight), labelStyle);
    RaceBPText = new wxStaticText(this, ID_STEP3_RACE_BP, "", wxPoint(kModX, Row(7)),
                                  wxSize(kModWidth, kLabelHeight), labelStyle);

    // Titled frames around the columns; the radio buttons are separate controls placed over them.
    auto frame = [this](int id, const char* title, int x, int width) {
        return new wxStaticBox(this, id, title, wxPoint(x, kFrameY), wxSize(width, kFrameHeight), 0,
                               "RadioBox");
    };
    RaceModBox = frame(ID_STEP3_RACEMOD_FRAME, "+/-", kModFrameX, kModFrameWidth);
    LowerBox = frame(ID_STEP3_LOWER_FRAME, "-2", kLowerFrameX, kAdjustFrameWidth);
    RaiseBox = frame(ID_STEP3_RAISE_FRAME, "+1", kRaiseFrameX, kAdjustFrameWidth);
    BurnBox = frame(ID_STEP3_BURN_FRAME, "Burn", kBurnFrameX, kBurnFrameWidth);

    // Each group begins with its own group start, so choosing in one group leaves the others alone.
    auto radio = [this](int id, int x, size_t i) {
        return new wxRadioButton(this, id, "", wxPoint(x, Row(i) + 2), wxDefaultSize, i == 0 ? wxRB_GROUP : 0,
                                 wxDefaultValidator, "RadioBox");
    };
    for (size_t i = 0; i < LowerRadio.size(); ++i)
        LowerRadio[i] = radio(ID_STEP3_LOWER_STR + static_cast<int>(i), kLowerRadioX, i);
    for (size_t i = 0; i < RaiseRadio.size(); ++i)
        RaiseRadio[i] = radio(ID_STEP3_RAISE_STR + static_cast<int>(i), kRaiseRadioX, i);
    for (size_t i = 0; i < BurnRadio.size(); ++i)
        BurnRadio[i] = radio(ID_STEP3_BURN_STR + static_cast<int>(i), kBurnRadioX, i);

    RaceListBox = new wxListBox(this, ID_STEP3_RACE_LIST, wxPoint(kListX, 5), wxSize(kListWidth, 173), 0,
                                nullptr, wxLB_SINGLE | wxLB_HSCROLL, wxDefaultValidator, "ListBox");
    // A drop-down's given height is its list's on some toolkits; here the box keeps its natural height.
    LanguageBox =
        new wxComboBox(this, ID_STEP3_LANGUAGE, "", wxPoint(kListX, kButtonY), wxSize(kListWidth, -1), 0,
                       nullptr, wxCB_DROPDOWN | wxCB_READONLY, wxDefaultValidator, "ComboBox");

    RollButton = new wxButton(this, ID_STEP3_ROLL, "Roll", wxPoint(5, kButtonY), wxSize(60, 25), 0,
                              wxDefaultValidator, "Button");
    ApplyButton = new wxButton(this, ID_STEP3_APPLY, "Apply", wxPoint(83, kButtonY), wxSize(60, 25), 0,
                               wxDefaultValidator, "Button");
    AdjustButton = new wxButton(this, ID_STEP3_ADJUST, "Adjust", wxPoint(kLowerFrameX + 3, kButtonY),
                                wxSize(60, 25), 0, wxDefaultValidator, "Button");
    BurnButton = new wxButton(this, ID_STEP3_BURN, "Burn", wxPoint(kBurnFrameX - 10, kButtonY),
                              wxSize(50, 25), 0, wxDefaultValidator, "Button");
    ContinueButton = new wxButton(this, ID_STEP3_CONTINUE, "Continue", wxPoint(5, 216), wxSize(100, 25), 0,
                                  wxDefaultValidator, "Button");

    StepMenu = new wxMenu;
    StepMenu->Append(ID_STEP3_MENU_ROLL, "&Roll", "Roll those dice!");
    StepMenu->Append(ID_STEP3_MENU_APPLY, "&Apply", "Override rolled numbers with numbers in boxes");
    StepMenu->Append(ID_STEP3_MENU_ADJUST, "A&djust", "Adjust two abilities");
    StepMenu->Append(ID_STEP3_MENU_BURN, "&Burn", "Burn an ability score for 2 BP");
    StepMenu->Append(ID_STEP3_MENU_CONTINUE, "&Continue", "Go on to the next step");
    StepMenu->AppendSeparator();
    StepMenu->Append(ID_STEP3_MENU_ABORT, "Ab&ort", "Abort character");
    StepMenuBar = new wxMenuBar;
    StepMenuBar->Append(StepMenu, "&Menu");
    SetMenuBar(StepMenuBar);

    CreateStatusBar(3);
}

FrameStep3::~FrameStep3() {
    EndStepWindow(kSlotStep3, this, Continued);
}

void FrameStep3::ShowScores() {
    for (size_t i = 0; i < kAbilityCount; ++i)
        ScoreBox[i]->ChangeValue(ToWx(Format("%i", current_character.ABILITY_BASE[i])));
    for (size_t i = 0; i < kAbilityCount; ++i)
        FractionBox[i]->ChangeValue(ToWx(Format("%i", current_character.ABILITY_PERC[i])));
}

void FrameStep3::RefreshAfterScores(bool rewriteBoxes) {
    if (rewriteBoxes)
        ShowScores();
    BPBox->ChangeValue(ToWx(FormatFixed(program_data.BuildingPoints, 0, -3)));
    Fill_Race_Box();
    for (wxStaticText* label : RaceModText)
        label->SetLabel("");
    RaceBPText->SetLabel("");
}

void FrameStep3::OnRoll(wxCommandEvent&) {
    RollAbilities();
    RefreshAfterScores(true);
}

void FrameStep3::ApplyAbilities(wxCommandEvent&) {
    if (!OwnDiceOn()) {
        ShowScores();
        return;
    }
    std::array<std::string, kAbilityCount> scores;
    std::array<std::string, kAbilityCount> fractions;
    for (size_t i = 0; i < kAbilityCount; ++i) {
        scores[i] = FromWx(ScoreBox[i]->GetValue());
        fractions[i] = FromWx(FractionBox[i]->GetValue());
    }
    EnterAbilities(scores, fractions);
    // The boxes keep what was typed.
    RefreshAfterScores(false);
}

void FrameStep3::AdjustAbility(wxCommandEvent&) {
    if (AdjustChosenAbilities(Choice()))
        RefreshAfterScores(true);
}

void FrameStep3::BurnAbility(wxCommandEvent&) {
    if (BurnChosenAbility(Choice()))
        RefreshAfterScores(true);
}

void FrameStep3::OnContinue(wxCommandEvent&) {
    std::array<std::string, kAbilityCount> modifiers;
    for (size_t i = 0; i < kAbilityCount; ++i)
        modifiers[i] = FromWx(RaceModText[i]->GetLabel());
    if (!HandOverRace(FromWx(LanguageBox->GetValue()), modifiers, FromWx(RaceBPText->GetLabel())))
        return;
    Continued = true;
    Close(true);
    OpenFrameStep6();
    messagetotree();
}

void FrameStep3::OnAbort(wxCommandEvent&) {
    program_data.WizardState = kWizardNone;
    Close(true);
}

void FrameStep3::OnListBox(wxCommandEvent&) {
    SelectListBox();
}

void FrameStep3::Fill_Race_Box() {
    raceRows_ = RacesForScores();
    wxArrayString rows;
    for (const CharacterRace* race : raceRows_)
        rows.Add(ToWx(RaceRowText(*race)));
    RaceListBox->Set(rows);
}

void FrameStep3::SelectListBox() {
    const int row = RaceListBox->GetSelection();
    if (row == wxNOT_FOUND || static_cast<size_t>(row) >= raceRows_.size())
        return;
    // The row's own entry: the texts of different entries may contain each other ("Elf" in "Half-Elf").
    CharacterRace& race = *raceRows_[static_cast<size_t>(row)];
    const auto shown = RaceModifierTexts(race);
    for (size_t i = 0; i < kAbilityCount; ++i)
        RaceModText[i]->SetLabel(ToWx(shown[i]));
    RaceBPText->SetLabel(ToWx(shown[kAbilityCount]));
    PickRace(race);
    FillRaceLangBox();
}

void FrameStep3::FillRaceLangBox() {
    LanguageBox->Clear();
    if (!current_character.pRace)
        return;
    for (const std::string& language : current_character.pRace->LANGUAGES)
        LanguageBox->Append(ToWx(language));
    if (LanguageBox->GetCount() > 0)
        LanguageBox->SetSelection(0);
}

void FrameStep3::ChooseRadioButton(int button) {
    AbilityChoice choice = Choice();
    ChooseRadio(button, choice);
    LowerIndex = choice.LowerIndex;
    RaiseIndex = choice.RaiseIndex;
    LowerFloor = choice.LowerFloor;
    BurnIndex = choice.BurnIndex;
    BurnFloor = choice.BurnFloor;
}

void FrameStep3::OnRadioButton1(wxCommandEvent&) {
    ChooseRadioButton(1);
}
void FrameStep3::OnRadioButton2(wxCommandEvent&) {
    ChooseRadioButton(2);
}
void FrameStep3::OnRadioButton3(wxCommandEvent&) {
    ChooseRadioButton(3);
}
void FrameStep3::OnRadioButton4(wxCommandEvent&) {
    ChooseRadioButton(4);
}
void FrameStep3::OnRadioButton5(wxCommandEvent&) {
    ChooseRadioButton(5);
}
void FrameStep3::OnRadioButton6(wxCommandEvent&) {
    ChooseRadioButton(6);
}
void FrameStep3::OnRadioButton7(wxCommandEvent&) {
    ChooseRadioButton(7);
}
void FrameStep3::OnRadioButton8(wxCommandEvent&) {
    ChooseRadioButton(8);
}
void FrameStep3::OnRadioButton9(wxCommandEvent&) {
    ChooseRadioButton(9);
}
void FrameStep3::OnRadioButton10(wxCommandEvent&) {
    ChooseRadioButton(10);
}
void FrameStep3::OnRadioButton11(wxCommandEvent&) {
    ChooseRadioButton(11);
}
void FrameStep3::OnRadioButton12(wxCommandEvent&) {
    ChooseRadioButton(12);
}
void FrameStep3::OnRadioButton13(wxCommandEvent&) {
    ChooseRadioButton(13);
}
void FrameStep3::OnRadioButton14(wxCommandEvent&) {
    ChooseRadioButton(14);
}
void FrameStep3::OnRadioButton15(wxCommandEvent&) {
    ChooseRadioButton(15);
}
void FrameStep3::OnRadioButton16(wxCommandEvent&) {
    ChooseRadioButton(16);
}
void FrameStep3::OnRadioButton17(wxCommandEvent&) {
    ChooseRadioButton(17);
}
void FrameStep3::OnRadioButton18(wxCommandEvent&) {
    ChooseRadioButton(18);
}
void FrameStep3::OnRadioButton19(wxCommandEvent&) {
    ChooseRadioButton(19);
}

FrameStep3* OpenFrameStep3(wxWindow* parent) {
    return OpenInSlot<FrameStep3>(
        kSlotStep3, parent, "Character Creation: Roll Ability Scores and choose race", wxSize(500, 315));
}

wxBEGIN_EVENT_TABLE(FrameStep3, wxFrame)
    EVT_MENU(ID_STEP3_MENU_ROLL, FrameStep3::OnRoll)
    EVT_MENU(ID_STEP3_MENU_ABORT, FrameStep3::OnAbort)
    EVT_MENU(ID_STEP3_MENU_CONTINUE, FrameStep3::OnContinue)
    EVT_MENU(ID_STEP3_MENU_ADJUST, FrameStep3::AdjustAbility)
    EVT_MENU(ID_STEP3_MENU_BURN, FrameStep3::BurnAbility)
    EVT_MENU(ID_STEP3_MENU_APPLY, FrameStep3::ApplyAbilities)
    EVT_BUTTON(ID_STEP3_ROLL, FrameStep3::OnRoll)
    EVT_BUTTON(ID_STEP3_ADJUST, FrameStep3::AdjustAbility)
    EVT_BUTTON(ID_STEP3_BURN, FrameStep3::BurnAbility)
    EVT_BUTTON(ID_STEP3_APPLY, FrameStep3::ApplyAbilities)
    EVT_BUTTON(ID_STEP3_CONTINUE, FrameStep3::OnContinue)
    EVT_LISTBOX(ID_STEP3_RACE_LIST, FrameStep3::OnListBox)
    EVT_RADIOBUTTON(ID_STEP3_LOWER_STR + 0, FrameStep3::OnRadioButton1)
    EVT_RADIOBUTTON(ID_STEP3_LOWER_STR + 1, FrameStep3::OnRadioButton2)
    EVT_RADIOBUTTON(ID_STEP3_LOWER_STR + 2, FrameStep3::OnRadioButton3)
    EVT_RADIOBUTTON(ID_STEP3_LOWER_STR + 3, FrameStep3::OnRadioButton4)
    EVT_RADIOBUTTON(ID_STEP3_LOWER_STR + 4, FrameStep3::OnRadioButton5)
    EVT_RADIOBUTTON(ID_STEP3_LOWER_STR + 5, FrameStep3::OnRadioButton6)
    EVT_RADIOBUTTON(ID_STEP3_RAISE_STR + 0, FrameStep3::OnRadioButton7)
    EVT_RADIOBUTTON(ID_STEP3_RAISE_STR + 1, FrameStep3::OnRadioButton8)
    EVT_RADIOBUTTON(ID_STEP3_RAISE_STR + 2, FrameStep3::OnRadioButton9)
    EVT_RADIOBUTTON(ID_STEP3_RAISE_STR + 3, FrameStep3::OnRadioButton10)
    EVT_RADIOBUTTON(ID_STEP3_RAISE_STR + 4, FrameStep3::OnRadioButton11)
    EVT_RADIOBUTTON(ID_STEP3_RAISE_STR + 5, FrameStep3::OnRadioButton12)
    EVT_RADIOBUTTON(ID_STEP3_BURN_STR + 0, FrameStep3::OnRadioButton13)
    EVT_RADIOBUTTON(ID_STEP3_BURN_STR + 1, FrameStep3::OnRadioButton14)
    EVT_RADIOBUTTON(ID_STEP3_BURN_STR + 2, FrameStep3::OnRadioButton15)
    EVT_RADIOBUTTON(ID_STEP3_BURN_STR + 3, FrameStep3::OnRadioButton16)
    EVT_RADIOBUTTON(ID_STEP3_BURN_STR + 4, FrameStep3::OnRadioButton17)
    EVT_RADIOBUTTON(ID_STEP3_BURN_STR + 5, FrameStep3::OnRadioButton18)
    EVT_RADIOBUTTON(ID_STEP3_BURN_STR + 6, FrameStep3::OnRadioButton19)
wxEND_EVENT_TABLE()
