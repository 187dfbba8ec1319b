#include "steps/thief_skills_frame.h"

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/app_globals.h"
#include "app/app_icon.h"
#include "app/character.h"
#include "app/item_lists.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "app/text_encoding.h"

namespace {

// Geometry. GTK draws a text box with about 17 pixels of frame and padding around its text and the
// longest skill names need more than 85 pixels, so the names, the boxes for three digits and their
// headers are wider, and the two box columns start a little further right.
const int kNameX = 15, kNameWidth = 112;
const int kTotalX = 130, kEntryX = 174, kBoxWidth = 41, kBoxHeight = 15;
const int kLabelHeight = 17; // room for descenders
const int kFirstRowY = 25, kRowStep = 20;

} // namespace

ThiefSkills::ThiefSkills(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size,
                         ClassDataItem* record)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL), record_(record),
      serial_(record ? record->serial : 0) {
    SetIcon(SampleIcon());
    const CharacterClass* chosen = current_character.pClass;

    header =
        new wxStaticText(this, ID_THIEF_HEADER, "Thief Skills", wxPoint(kNameX, 5),
                         wxSize(kNameWidth, kLabelHeight), wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
    baseHeader =
        new wxStaticText(this, ID_THIEF_BASE_HEADER, "Base", wxPoint(kTotalX, 5),
                         wxSize(kBoxWidth, kLabelHeight), wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
    pointsLabel =
        new wxStaticText(this, ID_THIEF_POINTS_LABEL, ToWx(Format("%i Points", ThiefClassPoints(chosen))),
                         wxPoint(kEntryX, 5), wxSize(100, kLabelHeight), 0);

    const ThiefOffered offered = OfferedThiefSkills(chosen);
    const ThiefValues base = record ? ThiefBaseValues(*record) : ThiefValues{};
    int y = kFirstRowY;
    for (size_t s = 0; s < kThiefSkillCount; ++s) {
        if (!offered[s])
            continue;
        const int n = static_cast<int>(s);
        skillLabels[s] = new wxStaticText(this, ID_THIEF_LABEL_PP + n, kThiefSkillTables[s].name,
                                          wxPoint(kNameX, y), wxSize(kNameWidth, kLabelHeight), 0);
        totalBoxes[s] =
            new wxTextCtrl(this, ID_THIEF_TOTAL_PP + n, ToWx(Format("%i", base[s])), wxPoint(kTotalX, y),
                           wxSize(kBoxWidth, kBoxHeight), wxTE_READONLY | wxTE_CENTRE);
        entryBoxes[s] = new wxTextCtrl(this, ID_THIEF_ENTRY_PP + n, "0", wxPoint(kEntryX, y),
                                       wxSize(kBoxWidth, kBoxHeight), wxTE_CENTRE);
        // The Read Languages row, the last one, leaves y where it is: the buttons then sit 35 below its
        // top instead of 55 below the last row's, as they always have.
        if (s != kThiefSkillCount - 1)
            y += kRowStep;
    }

    const int buttonY = y + 35;
    applyButton = new wxButton(this, ID_THIEF_APPLY, "Apply", wxPoint(5, buttonY), wxSize(60, 25), 0,
                               wxDefaultValidator, "Button");
    continueButton = new wxButton(this, ID_THIEF_CONTINUE, "Continue", wxPoint(83, buttonY), wxSize(60, 25),
                                  0, wxDefaultValidator, "Button");
    abortButton = new wxButton(this, ID_THIEF_ABORT, "Abort", wxPoint(193, buttonY), wxSize(60, 25), 0,
                               wxDefaultValidator, "Button");
}

ThiefSkills::~ThiefSkills() {
    // A window left over from a replaced character must not end the next character's creation, and one
    // closed beside an open step leaves that step running.
    if (!continued && Record() && !CreationStepOpen())
        program_data.WizardState = kWizardNone;
}

ClassDataItem* ThiefSkills::Record() const {
    return LiveClassItem(record_, serial_);
}

ThiefTexts ThiefSkills::EntryTexts() const {
    ThiefTexts texts;
    for (size_t s = 0; s < kThiefSkillCount; ++s)
        if (entryBoxes[s])
            texts[s] = FromWx(entryBoxes[s]->GetValue());
    return texts;
}

void ThiefSkills::ShowTotals(const ThiefAllotment& allotment) {
    for (size_t s = 0; s < kThiefSkillCount; ++s)
        if (totalBoxes[s])
            totalBoxes[s]->ChangeValue(ToWx(Format("%i", allotment.totals[s])));
}

void ThiefSkills::OnAdjust(wxCommandEvent&) {
    const ClassDataItem* record = Record();
    if (!record)
        return;
    if (const auto allotment = ApplyThiefPoints(*record, EntryTexts()))
        ShowTotals(*allotment);
}

void ThiefSkills::OnContinue(wxCommandEvent&) {
    ClassDataItem* record = Record();
    if (!record)
        return;
    const auto allotment = FinishThiefPoints(*record, EntryTexts());
    if (!allotment)
        return;
    ShowTotals(*allotment);
    continued = true;
    Close(true);
}

void ThiefSkills::OnAbort(wxCommandEvent&) {
    Close(true);
}

wxBEGIN_EVENT_TABLE(ThiefSkills, wxFrame)
    EVT_MENU(ID_THIEF_MENU_ADJUST, ThiefSkills::OnAdjust)
    EVT_MENU(ID_THIEF_MENU_ABORT, ThiefSkills::OnAbort)
    EVT_BUTTON(ID_THIEF_APPLY, ThiefSkills::OnAdjust)
    EVT_BUTTON(ID_THIEF_CONTINUE, ThiefSkills::OnContinue)
    EVT_BUTTON(ID_THIEF_ABORT, ThiefSkills::OnAbort)
wxEND_EVENT_TABLE()
