#include "ui/shop_window_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include "app/character.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "catalog/catalogues.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
#include "support/catalog_files.h"
#include "ui/ui_test_support.h"

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

void SampleShopTest::SetUp() {
    GlobalsTest::SetUp();
    // A table test may set up again in the same folder.
    std::filesystem::copy(SampleCatalogs(), dir_.path(),
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
    LoadCatalogues();
    BooksToUse[kBookCore] = 1;
    program_data.LogFileName = "4.log";
    program_data.WizardState = kWizardSkills;
    program_data.BuildingPoints = 7.5f;
    Character_Class& pc = current_character;
    pc.ABILITY_BASE = {12, 14, 10, 13, 10, 11, 14};
    pc.PROF_SLOTS = 2;
    pc.LEVEL = 1;
    pc.GOLDCOINS = 100;
    for (CharacterRace* race = CharacterRace::First(); race; race = race->pNext.get())
        if (race->NAME == "Human" && race->SEX == "Male")
            pc.pRace = race;
    ASSERT_NE(pc.pRace, nullptr);
    pc.pClass = SampleClass("Thief");
    AddClassRecord("Thief");
    auto clothes = std::make_unique<EquipDataItem>(); // as the reset for a new character gives it
    clothes->name = "Starting Clothes";
    clothes->value = 1;
    pc.EQUIPMENT_SECTION.AddTail(std::move(clothes));
}

void SampleShopTest::TearDown() {
    CloseAllWindows();
    GlobalsTest::TearDown();
}

CharacterClass* SampleShopTest::SampleClass(const std::string& name) {
    for (CharacterClass* cls = CharacterClass::First(); cls; cls = cls->pNext.get())
        if (cls->NAME == name)
            return cls;
    ADD_FAILURE() << "no class " << name;
    return nullptr;
}

void SampleShopTest::AddClassRecord(const std::string& name) {
    auto item = std::make_unique<ClassDataItem>();
    item->pClass = SampleClass(name);
    item->CLASS_NAME = name;
    item->CLASS_LEVEL = 1;
    current_character.CLASS_DATA.AddTail(std::move(item));
}

std::string SampleShopTest::BoxText(wxWindow* window, int id) {
    auto* box = window ? dynamic_cast<wxTextCtrl*>(window->FindWindow(id)) : nullptr;
    return box ? box->GetValue().utf8_string() : "(none)";
}
