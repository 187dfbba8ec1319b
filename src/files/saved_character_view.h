// The list of saved characters as the open window and the honor tracker's party picker show it.
#pragma once

#include <string>
#include <vector>

class wxFrame;
class wxListCtrl;

// Control id of the list in both windows.
enum SavedCharacterViewId {
    ID_FILE_LIST = 10050,
};

// Creates the list as `frame`'s only child and grows the frame so that the five columns show whole.
wxListCtrl* CreateSavedCharacterList(wxFrame* frame);

// Refills `list` from the saved-character folder: the file found last shows first, entries without a name
// are left out. Returns the file behind each row, in row order.
std::vector<std::string> FillSavedCharacterList(wxListCtrl* list);
