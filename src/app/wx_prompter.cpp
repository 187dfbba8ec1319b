#include "app/wx_prompter.h"

#include "app/app_globals.h"
#include "ui/form_main.h"

#include <wx/choicdlg.h>
#include <wx/msgdlg.h>
#include <wx/numdlg.h>
#include <wx/textdlg.h>

int WxPrompter::Message(const wxString& message, const wxString& caption, long style) {
    return wxMessageBox(message, caption, style);
}

std::optional<wxString> WxPrompter::Text(const wxString& message, const wxString& caption,
                                         const wxString& defaultValue) {
    // Typed answers are asked over the main window, where the user is working, not centred on the screen.
    wxTextEntryDialog dialog(MasterFrame, message, caption, defaultValue, wxTextEntryDialogStyle & ~wxCENTRE,
                             wxDefaultPosition);
    if (dialog.ShowModal() != wxID_OK)
        return std::nullopt;
    return dialog.GetValue();
}

std::optional<long> WxPrompter::Number(const wxString& message, const wxString& prompt,
                                       const wxString& caption, long value, long min, long max) {
    wxNumberEntryDialog dialog(nullptr, message, prompt, caption, value, min, max);
    if (dialog.ShowModal() != wxID_OK)
        return std::nullopt;
    return dialog.GetValue();
}

int WxPrompter::Choice(const wxString& message, const wxString& caption,
                       const std::vector<wxString>& choices) {
    wxArrayString items;
    for (const wxString& c : choices)
        items.Add(c);
    return wxGetSingleChoiceIndex(message, caption, items);
}

bool WxPrompter::YesNo(const wxString& message, const wxString& caption) {
    return wxMessageBox(message, caption, wxYES_NO | wxICON_QUESTION) == wxYES;
}
