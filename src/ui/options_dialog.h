// The options window: which books and rule options the creation steps use.
#pragma once

#include <array>
#include <wx/frame.h>

class wxButton;
class wxCheckBox;

enum OptionsId {
    ID_OPTIONS_ACCEPT = 10017,
    ID_OPTIONS_BOX1 = 10075, // boxes 1 to 14 take the ids 10075 to 10088
};

class Options : public wxFrame {
public:
    Options(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    // "Accept": stores boxes 1 to 12 into the option flags, writes the options file and closes.
    void OnExit(wxCommandEvent& event);

    // Box `i` (1 to 14), or null.
    wxCheckBox* Box(size_t i) const { return i < boxes_.size() ? boxes_[i] : nullptr; }

private:
    wxButton* accept_ = nullptr;
    std::array<wxCheckBox*, 20> boxes_{}; // indexed by the option flag each box shows

    wxDECLARE_EVENT_TABLE();
};
