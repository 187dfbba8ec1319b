#include "ui/shop_window_support.h"

#include <gtest/gtest.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>

wxListCtrl* ListOf(wxWindow* window, int id) {
    auto* list = window ? dynamic_cast<wxListCtrl*>(window->FindWindow(id)) : nullptr;
    EXPECT_NE(list, nullptr) << "no list control " << id;
    return list;
}

wxComboBox* ComboOf(wxWindow* window, int id) {
    auto* box = window ? dynamic_cast<wxComboBox*>(window->FindWindow(id)) : nullptr;
    EXPECT_NE(box, nullptr) << "no combo box " << id;
    return box;
}

std::vector<std::string> ColumnTexts(wxListCtrl* list, int column) {
    std::vector<std::string> texts;
    for (long row = 0; list && row < list->GetItemCount(); ++row)
        texts.push_back(list->GetItemText(row, column).utf8_string());
    return texts;
}

std::vector<std::vector<std::string>> RowTexts(wxListCtrl* list) {
    std::vector<std::vector<std::string>> rows;
    for (long row = 0; list && row < list->GetItemCount(); ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < list->GetColumnCount(); ++column)
            cells.push_back(list->GetItemText(row, column).utf8_string());
        rows.push_back(cells);
    }
    return rows;
}

std::vector<std::string> ColumnTitles(wxListCtrl* list) {
    std::vector<std::string> titles;
    for (int column = 0; list && column < list->GetColumnCount(); ++column) {
        wxListItem item;
        item.SetMask(wxLIST_MASK_TEXT);
        list->GetColumn(column, item);
        titles.push_back(item.GetText().utf8_string());
    }
    return titles;
}

long SelectRow(wxListCtrl* list, const std::string& text) {
    if (!list)
        return -1;
    const long row = list->FindItem(-1, wxString::FromUTF8(text));
    EXPECT_NE(row, -1) << "no row " << text;
    if (row >= 0)
        list->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    return row;
}

long SelectedRow(wxListCtrl* list) {
    return list ? list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED) : -1;
}

void ActivateRow(wxListCtrl* list, long row) {
    ASSERT_NE(list, nullptr);
    wxListEvent event(wxEVT_LIST_ITEM_ACTIVATED, list->GetId());
    event.SetEventObject(list);
    event.m_itemIndex = row;
    list->GetEventHandler()->ProcessEvent(event);
}
