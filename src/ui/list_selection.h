// The selected row of a report list, as the purchase windows read it.
#pragma once

#include <wx/string.h>

class wxListCtrl;

// The first-column text of the selected row of `list`, empty with none selected; `row` receives the
// row's index, or -1.
wxString SelectedListName(const wxListCtrl* list, long* row = nullptr);
