// The honor tracker's party picker: lists the saved characters and adds the activated one to the party.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>
#include <wx/frame.h>

#include "files/saved_character_view.h"
#include "gm/honor_party.h"

class wxListCtrl;
class wxListEvent;

class HonorFileFrame : public wxFrame {
public:
    // Tells the tracker of a member added to the party: its party slot and its row.
    using MemberAdded = std::function<void(size_t slot, const PartyRow& row)>;

    // `parent` is the tracker, which owns the picker; `added` shows a new member in its list.
    HonorFileFrame(wxWindow* parent, MemberAdded added, const wxString& title, const wxPoint& pos,
                   const wxSize& size);
    // Touches no shared state: a picker holds no window slot and no part in a creation.
    ~HonorFileFrame() override = default;

    // Refills the list from the saved-character folder, every row remembering the file it came from.
    void OnSelectionStart();
    // Adds the activated row's own file to the party and the tracker's list, then closes. A full party or
    // a file gone since the list was filled is told, and the picker stays open.
    void OnOpen(wxListEvent& event);

    // The file behind each row, in row order.
    const std::vector<std::string>& RowFiles() const { return rowFiles_; }

private:
    MemberAdded added_;
    wxListCtrl* list_ = nullptr;
    std::vector<std::string> rowFiles_;

    wxDECLARE_EVENT_TABLE();
};
