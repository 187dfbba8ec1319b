#include "gm/honor_tracking_frame.h"

#include <algorithm>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>

#include "app/app_icon.h"
#include "app/dice.h"
#include "app/dice_log.h"
#include "app/text_encoding.h"
#include "gm/honor_file_frame.h"
#include "gm/honor_table.h"

wxBEGIN_EVENT_TABLE(HonorTrackingFrame, wxFrame)
    EVT_COMBOBOX(ID_HONOR_FILTER, HonorTrackingFrame::OnSelectionBox)
    EVT_BUTTON(ID_HONOR_ADD_PC, HonorTrackingFrame::AddPC)
    EVT_BUTTON(ID_HONOR_AWARD, HonorTrackingFrame::AwardHonor)
    EVT_BUTTON(ID_HONOR_ADJUST, HonorTrackingFrame::AdjustHonor)
    EVT_BUTTON(ID_HONOR_REMOVE_PC, HonorTrackingFrame::RemovePC)
    EVT_BUTTON(ID_HONOR_ADJUST_TEMPORAL, HonorTrackingFrame::AdjustTemporalHonor)
    EVT_COMBOBOX(ID_HONOR_REWARD, HonorTrackingFrame::OnAwardBox)
wxEND_EVENT_TABLE()

namespace {

// A row's item data is its member's slot plus one, so a row given none (0) stands for no member.
wxUIntPtr SlotData(size_t slot) {
    return static_cast<wxUIntPtr>(slot) + 1;
}

} // namespace

HonorTrackingFrame::HonorTrackingFrame(wxWindow* parent, const wxString& title, const wxPoint& pos,
                                       const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL) {
    // A new tracker never empties an earlier tracker's log: a name in use moves on to the next number.
    // Create_Filename keeps the name and creates the file (rolling its own dice, as it always does).
    logFileName = FreeLogName("Honor_", DiceRoll(12, 12));
    Create_Filename(logFileName);
    SetIcon(SampleIcon());

    // GTK's buttons need more width for their labels than given, its drop-downs 34 pixels of height and
    // its labels 17: the first three buttons are wider (within their gaps), the captions wider, the note
    // line taller, and every control below the filter box sits 10 pixels lower so that none covers another.
    const int below = 10;
    new wxButton(this, ID_HONOR_ADD_PC, "Add PC", wxPoint(10, 100 + below), wxSize(60, 25), 0,
                 wxDefaultValidator, "Button");
    new wxButton(this, ID_HONOR_REMOVE_PC, "Remove PC", wxPoint(80, 100 + below), wxSize(85, 25), 0,
                 wxDefaultValidator, "Button");
    new wxButton(this, ID_HONOR_AWARD, "Apply Honor Award", wxPoint(175, 100 + below), wxSize(135, 25), 0,
                 wxDefaultValidator, "Button");
    new wxButton(this, ID_HONOR_ADJUST, "Adjust Honor", wxPoint(315, 100 + below), wxSize(100, 25), 0,
                 wxDefaultValidator, "Button");
    new wxButton(this, ID_HONOR_ADJUST_TEMPORAL, "Adjust Temporal Honor", wxPoint(435, 100 + below),
                 wxSize(180, 25), 0, wxDefaultValidator, "Button");
    filterText_ =
        new wxStaticText(this, ID_HONOR_FILTER_TEXT, "Honor Table Filter", wxPoint(10, 10), wxSize(120, 15));
    // A drop-down's given height is its list's on some toolkits; here the boxes keep their natural height,
    // and grow from the given width to show their longest entry, up to the party list's right edge.
    filterBox = new wxComboBox(this, ID_HONOR_FILTER, "", wxPoint(10, 25), wxSize(400, -1), 0, nullptr,
                               wxCB_DROPDOWN | wxCB_READONLY, wxDefaultValidator, "ComboBox");
    rewardText_ = new wxStaticText(this, ID_HONOR_REWARD_TEXT, "Honor Reward Selection",
                                   wxPoint(10, 50 + below), wxSize(160, 15));
    rewardBox = new wxComboBox(this, ID_HONOR_REWARD, "", wxPoint(10, 65 + below), wxSize(400, -1), 0,
                               nullptr, wxCB_DROPDOWN | wxCB_READONLY, wxDefaultValidator, "ComboBox");
    noteText =
        new wxStaticText(this, ID_HONOR_NOTE, NoteBuffer[0], wxPoint(10, 133 + below), wxSize(620, 17));
    partyList = new wxListCtrl(this, ID_HONOR_PARTY, wxPoint(10, 155 + below), wxSize(610, 280),
                               wxLC_REPORT | wxLC_SINGLE_SEL, wxDefaultValidator, "ListView");

    filterBox->Clear();
    for (const char* label : kHonorFilterLabels)
        filterBox->Append(label);
    filterBox->SetSelection(0);
    SetHonorSelectionComboBox(0);
    for (wxComboBox* box : {filterBox, rewardBox})
        box->SetSize(std::clamp(box->GetBestSize().x, 400, 610), -1);

    // The party is listed only from its first change on, even when it already has members: until then
    // the list holds one empty row that stands for nobody.
    ResetColumns();
    partyList->InsertItem(0, "");
}

void HonorTrackingFrame::ResetColumns() {
    partyList->ClearAll();
    for (size_t c = 0; c < kPartyColumns; ++c)
        partyList->InsertColumn(static_cast<long>(c), kPartyColumnNames[c], wxLIST_FORMAT_LEFT);
}

void HonorTrackingFrame::SetHonorSelectionComboBox(int table) {
    rewardBox->Clear();
    for (size_t row : HonorRowsOfFilter(table))
        rewardBox->Append(HonorData[row].text);
    if (rewardBox->GetCount() > 0)
        rewardBox->SetSelection(0);
}

void HonorTrackingFrame::OnSelectionBox(wxCommandEvent&) {
    const std::string shown = FromWx(filterBox->GetValue());
    int table = 0;
    for (int t = 1; t <= kHonorTables; ++t)
        if (shown.find(kHonorFilterLabels[static_cast<size_t>(t)]) != std::string::npos)
            table = t;
    SetHonorSelectionComboBox(table);
}

void HonorTrackingFrame::OnAwardBox(wxCommandEvent&) {
    if (const std::optional<size_t> row = HonorRowOfText(FromWx(rewardBox->GetValue())))
        noteText->SetLabelText(HonorNote(*row));
}

void HonorTrackingFrame::AddPC(wxCommandEvent&) {
    // Kept nowhere: every press opens another picker, each adding into the one party.
    const auto added = [this](size_t slot, const PartyRow& row) { InsertMemberRow(slot, row); };
    (new HonorFileFrame(this, added, "Add Character", wxDefaultPosition, wxSize(300, 300)))->Show(true);
}

void HonorTrackingFrame::RemovePC(wxCommandEvent&) {
    if (RemovePartyMember(SelectedSlot()))
        RefreshPartyList();
}

void HonorTrackingFrame::AwardHonor(wxCommandEvent&) {
    if (AwardPartyMember(SelectedSlot(), FromWx(rewardBox->GetValue()), logFileName))
        RefreshPartyList();
}

void HonorTrackingFrame::AdjustHonor(wxCommandEvent&) {
    if (AdjustPartyMember(SelectedSlot(), HonorAdjustment::Honor, logFileName))
        RefreshPartyList();
}

void HonorTrackingFrame::AdjustTemporalHonor(wxCommandEvent&) {
    if (AdjustPartyMember(SelectedSlot(), HonorAdjustment::TemporalHonor, logFileName))
        RefreshPartyList();
}

long HonorTrackingFrame::SelectedSlot() {
    const long row = partyList->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    if (row < 0)
        return -1;
    const long slot = static_cast<long>(partyList->GetItemData(row)) - 1;
    if (slot < 0)
        return -1;
    const long member = PartySlotOfRow(slot, FromWx(partyList->GetItemText(row)));
    if (member < 0)
        RefreshPartyList();
    return member;
}

void HonorTrackingFrame::InsertMemberRow(size_t slot, const PartyRow& row) {
    const long index = std::min(static_cast<long>(slot), static_cast<long>(partyList->GetItemCount()));
    const long item = partyList->InsertItem(index, ToWxShown(row[0]));
    for (size_t c = 1; c < kPartyColumns; ++c)
        partyList->SetItem(item, static_cast<int>(c), ToWxShown(row[c]));
    partyList->SetItemPtrData(item, SlotData(slot));
}

void HonorTrackingFrame::RefreshPartyList() {
    ResetColumns();
    const std::vector<PartyRow> rows = PartyRows();
    for (size_t slot = 0; slot < rows.size(); ++slot)
        InsertMemberRow(slot, rows[slot]);
}
