#include "app/wx_prompter.h"

#include <wx/choicdlg.h>
#include <wx/msgdlg.h>
#include <wx/numdlg.h>
#include <wx/textdlg.h>

int WxPrompter::Message(const wxString& message, const wxString& caption, long style) {
    return wxMessageBox(message, caption, style);
}

std::optional<wxString> WxPrompter::Text(const wxString& message, const wxString& caption,
                                         const wxString& defaultValue) {
    wxTextEntryDialog dialog(nullptr, message, caption, defaultValue);
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
    return wxMessageBox(message, caption, wxYES_NO) == wxYES;
}
