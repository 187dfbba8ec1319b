// The prompt interface shown as the framework's modal dialogs.
#pragma once

#include "app/prompts.h"

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
