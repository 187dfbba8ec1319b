// Helpers for driving the list controls and combo boxes of the spending windows in tests.
#pragma once

#include <string>
#include <vector>

#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"

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

class CharacterClass;

// A character of the sample catalogues ready to spend: a Human Male thief (class record included)
// with abilities, 7.5 BP, 2 proficiency slots, 100 gold and the starting clothes, in the creation's
// state 12, in a fresh working folder with a scripted prompter.
class SampleShopTest : public GlobalsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The class catalogue entry named `name`; null (with a test failure) when there is none.
    static CharacterClass* SampleClass(const std::string& name);
    // Appends a level-1 class record of the class `name`.
    static void AddClassRecord(const std::string& name);
    // The text of the text box `id` of `window`, "(none)" when there is no such box.
    static std::string BoxText(wxWindow* window, int id);

    ScopedTempDir dir_;
    ScopedPrompter prompter_;
};
