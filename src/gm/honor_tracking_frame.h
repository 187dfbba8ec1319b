// The game master's honor tracker: the party, the honor-award catalogue with its notes, and the honor log.
#pragma once

#include <cstddef>
#include <string>
#include <wx/frame.h>

#include "gm/honor_party.h"

class wxButton;
class wxComboBox;
class wxListCtrl;
class wxStaticText;

// Control ids of the tracker.
enum HonorTrackingFrameId {
    ID_HONOR_ADD_PC = 10017,
    ID_HONOR_AWARD = 10018,
    ID_HONOR_ADJUST = 10019,
    ID_HONOR_REMOVE_PC = 10020,
    ID_HONOR_ADJUST_TEMPORAL = 10021,
    ID_HONOR_FILTER = 10037,
    ID_HONOR_REWARD = 10038,
    ID_HONOR_PARTY = 10050,
    ID_HONOR_FILTER_TEXT = 10052,
    ID_HONOR_REWARD_TEXT = 10053,
    ID_HONOR_NOTE = 10054,
};

class HonorTrackingFrame : public wxFrame {
public:
    // Rolls the honor log's name and creates the file empty; the party list starts with one empty row.
    HonorTrackingFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    // Leaves `WizardState` alone: a tracker is no creation step, whatever is open beside it.
    ~HonorTrackingFrame() override = default;

    // Fills the reward list with the award rows of filter position `table` and shows the first.
    void SetHonorSelectionComboBox(int table);
    void OnSelectionBox(wxCommandEvent& event);
    // Shows the note of the chosen award.
    void OnAwardBox(wxCommandEvent& event);

    // Opens a party picker.
    void AddPC(wxCommandEvent& event);
    // The selected row's member, its award or adjustment, then the list rebuilt from the party.
    void RemovePC(wxCommandEvent& event);
    void AwardHonor(wxCommandEvent& event);
    void AdjustHonor(wxCommandEvent& event);
    void AdjustTemporalHonor(wxCommandEvent& event);

    // Adds the row of a member just added in `slot`, at the slot's index or after the last row.
    void InsertMemberRow(size_t slot, const PartyRow& row);
    // Rebuilds the party list from `pcs`, leaving no row selected.
    void RefreshPartyList();

    const std::string& LogFileName() const { return logFileName; }

private:
    // The slot of the first selected row; -1 when no row is selected or the row holds no member. A row
    // whose slot no longer holds the member it shows (another tracker changed the party) stands for nobody,
    // and the list is rebuilt to show the party as it is.
    long SelectedSlot();
    void ResetColumns();

    std::string logFileName;
    wxStaticText* filterText_ = nullptr;
    wxStaticText* rewardText_ = nullptr;
    wxStaticText* noteText = nullptr;
    wxComboBox* filterBox = nullptr;
    wxComboBox* rewardBox = nullptr;
    wxListCtrl* partyList = nullptr;

    wxDECLARE_EVENT_TABLE();
};
