// Helpers for driving the list controls and combo boxes of the spending windows in tests.
#pragma once

#include <string>
#include <vector>

class wxComboBox;
class wxListCtrl;
class wxWindow;

// The control `id` of `window` as a list control or combo box; null (with a test failure) when missing.
wxListCtrl* ListOf(wxWindow* window, int id);
wxComboBox* ComboOf(wxWindow* window, int id);

// The texts of one column of every row, top to bottom.
std::vector<std::string> ColumnTexts(wxListCtrl* list, int column = 0);
// Every row's cells, top to bottom.
std::vector<std::vector<std::string>> RowTexts(wxListCtrl* list);
// The column titles.
std::vector<std::string> ColumnTitles(wxListCtrl* list);

// Selects the row whose first cell is `text` (failing the test when there is none) and returns it.
long SelectRow(wxListCtrl* list, const std::string& text);
// The selected row, or -1.
long SelectedRow(wxListCtrl* list);
// Sends the activation (double click) of `row` as the control would.
void ActivateRow(wxListCtrl* list, long row);
