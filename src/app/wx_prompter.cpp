#include "app/wx_prompter.h"

#include "app/app_globals.h"

#include <wx/choicdlg.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>
#include <wx/numdlg.h>
#include <wx/sizer.h>
#include <wx/textdlg.h>
#include <wx/toplevel.h>
#include <wx/weakref.h>

namespace {

// GTK needs this many pixels to lay out a list's scroll bar; a lower list logs a Gtk-CRITICAL.
const int kChoiceListMinHeight = 73;

bool CanOwnDialog(wxWindow* window) {
    return window && window->IsShown() && !window->IsBeingDeleted() && !wxPendingDelete.Member(window);
}

// The top-level window that has the focus. Asked of the windows themselves: the focused control may
// just have been hidden by its own click handler, which leaves wx without a focused control.
wxWindow* ActiveTopLevel() {
    for (wxWindow* window : wxTopLevelWindows) {
        auto* top = dynamic_cast<wxTopLevelWindow*>(window);
        if (top && top->IsActive())
            return top;
    }
    return nullptr;
}

// The window the last question stood over. A question asked right after another one closed finds no
// active window yet: the focus comes back to the window in use only when GTK's events are next handled.
wxWeakRef<wxWindow>& PreviousParent() {
    static wxWeakRef<wxWindow> previous;
    return previous;
}

wxWindow* Parent() {
    wxWindow* parent = DialogParent(ActiveTopLevel(), PreviousParent().get());
    PreviousParent() = parent;
    return parent;
}

} // namespace

wxWindow* DialogParent(wxWindow* active, wxWindow* previous) {
    // A dialog over the main window would hand the focus back to the main window, which then covers the
    // step or helper window the user was working in.
    for (wxWindow* window : {active, previous}) {
        wxWindow* top = window ? wxGetTopLevelParent(window) : nullptr;
        if (CanOwnDialog(top))
            return top;
    }
    return CanOwnDialog(MasterFrame) ? MasterFrame : nullptr;
}

std::unique_ptr<wxSingleChoiceDialog> MakeChoiceDialog(wxWindow* parent, const wxString& message,
                                                       const wxString& caption,
                                                       const std::vector<wxString>& choices) {
    wxArrayString items;
    for (const wxString& c : choices)
        items.Add(c);
    auto dialog = std::make_unique<wxSingleChoiceDialog>(parent, message, caption, items);
    for (wxWindow* child : dialog->GetChildren()) {
        if (dynamic_cast<wxListBox*>(child) && child->GetBestSize().y < kChoiceListMinHeight)
            child->SetMinSize(wxSize(-1, kChoiceListMinHeight));
    }
    if (wxSizer* sizer = dialog->GetSizer())
        sizer->SetSizeHints(dialog.get());
    return dialog;
}

int WxPrompter::Message(const wxString& message, const wxString& caption, long style) {
    return wxMessageBox(message, caption, style, Parent());
}

std::optional<wxString> WxPrompter::Text(const wxString& message, const wxString& caption,
                                         const wxString& defaultValue) {
    // Typed answers are asked over the window the user is working in, not centred on the screen.
    wxTextEntryDialog dialog(Parent(), message, caption, defaultValue, wxTextEntryDialogStyle & ~wxCENTRE,
                             wxDefaultPosition);
    if (dialog.ShowModal() != wxID_OK)
        return std::nullopt;
    return dialog.GetValue();
}

std::optional<long> WxPrompter::Number(const wxString& message, const wxString& prompt,
                                       const wxString& caption, long value, long min, long max) {
    wxNumberEntryDialog dialog(Parent(), message, prompt, caption, value, min, max);
    if (dialog.ShowModal() != wxID_OK)
        return std::nullopt;
    return dialog.GetValue();
}

int WxPrompter::Choice(const wxString& message, const wxString& caption,
                       const std::vector<wxString>& choices) {
    const std::unique_ptr<wxSingleChoiceDialog> dialog =
        MakeChoiceDialog(Parent(), message, caption, choices);
    if (dialog->ShowModal() != wxID_OK)
        return -1;
    return dialog->GetSelection();
}

bool WxPrompter::YesNo(const wxString& message, const wxString& caption) {
    return wxMessageBox(message, caption, wxYES_NO | wxICON_QUESTION, Parent()) == wxYES;
}
