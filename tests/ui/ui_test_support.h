// Helpers for driving windows in tests.
#pragma once

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wx/toplevel.h>
#include <wx/window.h>

#include "support/scripted_prompter.h"

class wxComboBox;
class wxFrame;
class wxListBox;
class wxListCtrl;

// Runs pending events and idle handling so windows closed with Close()/Destroy() are really deleted.
void PumpEvents();

// Destroys every top-level window still open and pumps until they are gone.
void CloseAllWindows();

// Sends `window` the event its control with `id` would send when clicked (buttons, menu items,
// check boxes and radio buttons alike); fails the test when there is no such enabled control.
void Click(wxWindow* window, int id);
void SelectMenu(wxWindow* window, int id);

// The control `id` of `window` as a `T`; fails the test, and gives null, when it has no such control.
template <class T> T* Control(wxWindow* window, int id) {
    T* control = dynamic_cast<T*>(window->FindWindow(id));
    EXPECT_NE(control, nullptr) << "no such control " << id;
    return control;
}

// One item of a step window's menu; a null label stands for a separator.
struct MenuRow {
    int id;
    const char* label;
    const char* help;
};
// The items most step menus hold: "&Continue" (`continueId`), a separator and "Ab&ort" (`abortId`).
std::vector<MenuRow> ContinueAbortMenu(int continueId, int abortId);
// `window` has one menu, "&Menu", holding `rows` in order, and a status bar of three fields.
void ExpectStepMenu(wxFrame* window, const std::vector<MenuRow>& rows);

// True once `window` has been closed: wx deletes a closed frame only at idle time.
bool Closing(wxWindow* window);

// Selects row `row` of `list` and sends the selection event a user's click would; fails the test when
// there is no such row.
void PickListRow(wxListBox* list, int row);
// The same for the row of `list` whose text is `text`; fails the test when no row has that text.
void PickListRow(wxListBox* list, const std::string& text);
// The same for the item `text` of a combo box.
void PickComboItem(wxComboBox* box, const std::string& text);

// The texts of the rows of `list`, in order.
std::vector<std::string> ListRows(const wxListBox* list);

// Sends the row activation (a double click or Enter) of row `row` of a report list; fails the test when
// the list is missing.
void ActivateListRow(wxListCtrl* list, long row);

// The top-level window of type `Frame` opened last, or null: for windows their opener keeps nowhere.
template <class Frame> Frame* FindTopLevel() {
    Frame* found = nullptr;
    for (wxWindow* w : wxTopLevelWindows)
        if (auto* f = dynamic_cast<Frame*>(w))
            found = f;
    return found;
}

// Selects row `row` of the report list `list` alone, as a user's click would; fails when there is no such
// row.
void SelectListCtrlRow(wxListCtrl* list, long row);
// The cells of each row of the report list `list`, joined with "|".
std::vector<std::string> ListCtrlRows(const wxListCtrl* list);

// A scripted prompter whose message boxes behave as a real dialog's event loop does: they first carry
// out the calls queued before the box was shown, then run `whileAsked`, then answer from the script.
class ModalLoopPrompter : public ScriptedPrompter {
public:
    std::function<void()> whileAsked;
    int Message(const wxString& message, const wxString& caption, long style) override;
};

// Runs `click`, a click of the control `id` of `window` whose roll asks its accept question twice (No,
// then Yes), under a ModalLoopPrompter; true when the control was still there at both questions and was
// gone once the click and the pending deletions were over.
bool ClickedControlOutlivesItsQuestions(wxWindow* window, int id, const std::function<void()>& click);
