// The prompt interface shown as the framework's modal dialogs.
#pragma once

#include <memory>
#include <vector>

#include "app/prompts.h"

class wxSingleChoiceDialog;
class wxWindow;

class WxPrompter : public Prompter {
public:
    int Message(const wxString& message, const wxString& caption, long style) override;
    std::optional<wxString> Text(const wxString& message, const wxString& caption,
                                 const wxString& defaultValue) override;
    std::optional<long> Number(const wxString& message, const wxString& prompt, const wxString& caption,
                               long value, long min, long max) override;
    int Choice(const wxString& message, const wxString& caption,
               const std::vector<wxString>& choices) override;
    bool YesNo(const wxString& message, const wxString& caption) override;
};

// The window a question is asked over, given the window the user is working in (`active`, or any
// control inside it) and the one the previous question stood over: the first of their top-level windows
// that can still own a dialog (shown and not closing), else the main window, else none. The dialog
// stands over that window and gives the focus back to it.
wxWindow* DialogParent(wxWindow* active, wxWindow* previous = nullptr);

// The single-choice dialog the prompter shows, not yet shown. Its list is tall enough for GTK to lay
// out the scroll bar even for two or three rows.
std::unique_ptr<wxSingleChoiceDialog> MakeChoiceDialog(wxWindow* parent, const wxString& message,
                                                       const wxString& caption,
                                                       const std::vector<wxString>& choices);
