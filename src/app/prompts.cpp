#include "app/prompts.h"

#include <wx/defs.h>

namespace {

class CancellingPrompter : public Prompter {
public:
    int Message(const wxString&, const wxString&, long style) override {
        if (style & wxYES_NO)
            return (style & wxNO_DEFAULT) ? wxNO : wxYES;
        return wxOK;
    }
    std::optional<wxString> Text(const wxString&, const wxString&, const wxString&) override {
        return std::nullopt;
    }
    std::optional<long> Number(const wxString&, const wxString&, const wxString&, long, long, long) override {
        return std::nullopt;
    }
    int Choice(const wxString&, const wxString&, const std::vector<wxString>&) override { return -1; }
    bool YesNo(const wxString&, const wxString&) override { return false; }
};

std::unique_ptr<Prompter>& Current() {
    static std::unique_ptr<Prompter> current = std::make_unique<CancellingPrompter>();
    return current;
}

} // namespace

Prompter& Prompts() {
    return *Current();
}

std::unique_ptr<Prompter> SetPrompter(std::unique_ptr<Prompter> prompter) {
    if (!prompter)
        prompter = std::make_unique<CancellingPrompter>();
    std::swap(Current(), prompter);
    return prompter;
}

std::optional<long> AskNumberUntilAnswered(const wxString& message, const wxString& prompt,
                                           const wxString& caption, long value, long min, long max) {
    return AskUntilAnswered([&]() -> std::optional<long> {
        // The dialog keeps to the range, but a prompter need not.
        const std::optional<long> number = Prompts().Number(message, prompt, caption, value, min, max);
        if (number && *number >= min && *number <= max)
            return number;
        return std::nullopt;
    });
}
