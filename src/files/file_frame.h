// The open-character window: lists the saved characters and opens the one activated.
#pragma once

#include <string>
#include <vector>
#include <wx/frame.h>

#include "files/saved_character_view.h"

class wxListCtrl;
class wxListEvent;

class FileFrame : public wxFrame {
public:
    FileFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    // Refills the list from the saved-character folder: the file found last shows first, entries
    // without a name are left out, and every row remembers the file it came from.
    void OnSelectionStart();
    // Opens the activated row's own file into the character and closes the window. While a creation
    // step is open, or when the file cannot be opened, it says why and changes nothing.
    void OnOpen(wxListEvent& event);

    // The file behind each row, in row order.
    const std::vector<std::string>& RowFiles() const { return rowFiles_; }

private:
    wxListCtrl* list_ = nullptr;
    std::vector<std::string> rowFiles_;

    wxDECLARE_EVENT_TABLE();
};
