#include "ui/list_selection.h"

#include <wx/listctrl.h>

wxString SelectedListName(const wxListCtrl* list, long* row) {
    const long selected = list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    if (row)
        *row = selected;
    return selected < 0 ? wxString() : list->GetItemText(selected, 0);
}
