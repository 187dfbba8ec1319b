// The honor tracker's party picker: lists the saved characters and adds the activated one to the party.
#pragma once

#include <string>
#include <vector>
#include <wx/frame.h>

#include "files/saved_character_view.h"

class HonorTrackingFrame;
class wxListCtrl;
class wxListEvent;

class HonorFileFrame : public wxFrame {
public:
    HonorFileFrame(HonorTrackingFrame* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
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
    HonorTrackingFrame* tracker_;
    wxListCtrl* list_ = nullptr;
    std::vector<std::string> rowFiles_;

    wxDECLARE_EVENT_TABLE();
};
