#include "ui/ui_test_support.h"

#include <gtest/gtest.h>
#include <memory>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/frame.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/statusbr.h>
#include <wx/toplevel.h>
#include <wx/utils.h>
#include <wx/weakref.h>

void PumpEvents() {
    if (!wxTheApp)
        return;
    for (int i = 0; i < 20; ++i) {
        wxTheApp->ProcessPendingEvents();
        if (!wxTheApp->ProcessIdle())
            break;
    }
    wxTheApp->ProcessPendingEvents();
}

void CloseAllWindows() {
    PumpEvents();
    while (!wxTopLevelWindows.empty()) {
        wxWindow* w = wxTopLevelWindows.front();
        if (!w->IsBeingDeleted())
            w->Destroy();
        PumpEvents();
        if (!wxTopLevelWindows.empty() && wxTopLevelWindows.front() == w && w->IsBeingDeleted())
            PumpEvents();
        if (!wxTopLevelWindows.empty() && wxTopLevelWindows.front() == w) {
            ADD_FAILURE() << "a window could not be destroyed";
            break;
        }
    }
}

void Click(wxWindow* window, int id) {
    ASSERT_NE(window, nullptr);
    wxWindow* control = window->FindWindow(id);
    ASSERT_NE(control, nullptr) << "no control with id " << id;
    ASSERT_TRUE(control->IsEnabled()) << "control " << id << " is disabled";
    wxEventType type = wxEVT_BUTTON;
    wxCommandEvent event(type, id);
    if (auto* check = dynamic_cast<wxCheckBox*>(control)) {
        check->SetValue(!check->GetValue());
        event.SetEventType(wxEVT_CHECKBOX);
        event.SetInt(check->GetValue() ? 1 : 0);
    } else if (auto* radio = dynamic_cast<wxRadioButton*>(control)) {
        radio->SetValue(true);
        event.SetEventType(wxEVT_RADIOBUTTON);
        event.SetInt(1);
    }
    event.SetEventObject(control);
    control->GetEventHandler()->ProcessEvent(event);
}

void SelectMenu(wxWindow* window, int id) {
    ASSERT_NE(window, nullptr);
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(window);
    window->GetEventHandler()->ProcessEvent(event);
}

bool Closing(wxWindow* window) {
    return window->IsBeingDeleted() || wxTheApp->IsScheduledForDestruction(window);
}

namespace {

void PickItem(wxControlWithItems* control, int row, wxEventType type) {
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(row >= 0 && static_cast<unsigned>(row) < control->GetCount()) << "no row " << row;
    control->SetSelection(row);
    wxCommandEvent event(type, control->GetId());
    event.SetInt(row);
    event.SetString(control->GetString(static_cast<unsigned>(row)));
    event.SetEventObject(control);
    control->GetEventHandler()->ProcessEvent(event);
}

} // namespace

void PickListRow(wxListBox* list, const std::string& text) {
    ASSERT_NE(list, nullptr);
    const int row = list->FindString(text, true);
    ASSERT_NE(row, wxNOT_FOUND) << text;
    PickListRow(list, row);
}

void PickListRow(wxListBox* list, int row) {
    PickItem(list, row, wxEVT_LISTBOX);
}

void ActivateListRow(wxListCtrl* list, long row) {
    ASSERT_NE(list, nullptr);
    wxListEvent event(wxEVT_LIST_ITEM_ACTIVATED, list->GetId());
    event.SetIndex(row);
    event.SetEventObject(list);
    list->GetEventHandler()->ProcessEvent(event);
}

void PickComboItem(wxComboBox* box, const std::string& text) {
    ASSERT_NE(box, nullptr);
    const int row = box->FindString(text, true);
    ASSERT_NE(row, wxNOT_FOUND) << text;
    PickItem(box, row, wxEVT_COMBOBOX);
}

std::vector<std::string> ListRows(const wxListBox* list) {
    std::vector<std::string> rows;
    if (list)
        for (const wxString& row : list->GetStrings())
            rows.push_back(row.ToStdString());
    return rows;
}

void SelectListCtrlRow(wxListCtrl* list, long row) {
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(row >= 0 && row < list->GetItemCount()) << "no row " << row;
    for (long r = 0; r < list->GetItemCount(); ++r)
        list->SetItemState(r, r == row ? wxLIST_STATE_SELECTED : 0, wxLIST_STATE_SELECTED);
}

std::vector<std::string> ListCtrlRows(const wxListCtrl* list) {
    std::vector<std::string> rows;
    if (!list)
        return rows;
    for (long r = 0; r < list->GetItemCount(); ++r) {
        std::string row;
        for (int c = 0; c < list->GetColumnCount(); ++c)
            row += (c ? "|" : "") + list->GetItemText(r, c).ToStdString();
        rows.push_back(row);
    }
    return rows;
}

bool ClickedControlOutlivesItsQuestions(wxWindow* window, int id, const std::function<void()>& click) {
    const wxWeakRef<wxWindow> clicked = window->FindWindow(id);
    EXPECT_TRUE(clicked);
    auto owned = std::make_unique<ModalLoopPrompter>();
    ModalLoopPrompter& prompts = *owned;
    std::vector<bool> aliveWhileAsked;
    prompts.whileAsked = [&] { aliveWhileAsked.push_back(static_cast<bool>(clicked)); };
    prompts.ExpectMessage(wxNO);
    prompts.ExpectMessage(wxYES);
    std::unique_ptr<Prompter> previous = SetPrompter(std::move(owned));
    click();
    EXPECT_EQ(aliveWhileAsked, (std::vector<bool>{true, true})) << "still inside its click";
    EXPECT_EQ(prompts.Pending(), 0u);
    SetPrompter(std::move(previous));
    PumpEvents();
    EXPECT_FALSE(clicked) << "destroyed once its click is over";
    return aliveWhileAsked == std::vector<bool>{true, true} && !clicked;
}

int ModalLoopPrompter::Message(const wxString& message, const wxString& caption, long style) {
    wxTheApp->ProcessPendingEvents();
    if (whileAsked)
        whileAsked();
    return ScriptedPrompter::Message(message, caption, style);
}

std::vector<MenuRow> ContinueAbortMenu(int continueId, int abortId) {
    return {{continueId, "&Continue", "Go on to the next step"},
            {0, nullptr, nullptr},
            {abortId, "Ab&ort", "Abort character"}};
}

void ExpectStepMenu(wxFrame* window, const std::vector<MenuRow>& rows) {
    wxMenuBar* bar = window->GetMenuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->GetMenuCount(), 1u);
    EXPECT_EQ(bar->GetMenuLabel(0), "&Menu");
    wxMenu* menu = bar->GetMenu(0);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->GetMenuItemCount(), rows.size());
    for (size_t pos = 0; pos < rows.size(); ++pos) {
        SCOPED_TRACE(pos);
        wxMenuItem* item = menu->FindItemByPosition(pos);
        if (!rows[pos].label) {
            EXPECT_TRUE(item->IsSeparator());
            continue;
        }
        EXPECT_EQ(item->GetId(), rows[pos].id);
        EXPECT_EQ(item->GetItemLabel(), rows[pos].label);
        EXPECT_EQ(item->GetHelp(), rows[pos].help);
    }
    ASSERT_NE(window->GetStatusBar(), nullptr);
    EXPECT_EQ(window->GetStatusBar()->GetFieldsCount(), 3);
}
