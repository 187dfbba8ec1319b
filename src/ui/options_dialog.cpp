#include "ui/options_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>

#include "app/app_icon.h"
#include "app/options_file.h"

namespace {

// Boxes 13 and 14 stand for books the rules do not use yet; they are shown but never stored.
const char* const kBoxLabels[14] = {
    "Magister's Almanac", "Warlord's Almanac",  "Rogue's Almanac",  "Priest's Almanac",
    "Bestiary Codex",     "Roll your own dice", "Ember Citadel",    "Enforce Social Class Restrictions",
    "Web Erratta",        "Tavern Gazette 64",  "Frontier Outpost", "Hall of Titans",
    "Voidrunner",         "Sprite Folk Almanac"};
const size_t kStoredBoxes = 12;

} // namespace

wxBEGIN_EVENT_TABLE(Options, wxFrame)
    EVT_BUTTON(ID_OPTIONS_ACCEPT, Options::OnExit)
wxEND_EVENT_TABLE()

Options::Options(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL) {
    SetIcon(SampleIcon());
    for (size_t box = 1; box <= 14; ++box) {
        boxes_[box] = new wxCheckBox(this, ID_OPTIONS_BOX1 + static_cast<int>(box) - 1, kBoxLabels[box - 1],
                                     wxPoint(10, 10 + 20 * static_cast<int>(box - 1)), wxSize(375, 18), 0,
                                     wxDefaultValidator, "CheckBox");
    }
    accept_ = new wxButton(this, ID_OPTIONS_ACCEPT, "Accept", wxPoint(10, 295), wxSize(70, 20), 0,
                           wxDefaultValidator, "Button");
    for (size_t i = 1; i <= kStoredBoxes; ++i)
        boxes_[i]->SetValue(BooksToUse[i] == 1);
}

void Options::OnExit(wxCommandEvent&) {
    for (size_t i = 1; i <= kStoredBoxes; ++i)
        BooksToUse[i] = boxes_[i]->GetValue() ? 1 : 0;
    SaveOptions();
    Close(true);
}
