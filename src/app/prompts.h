// The one door through which the program asks the user anything modal.
#pragma once

#include <memory>
#include <optional>
#include <vector>
#include <wx/string.h>

// Every modal question goes through this interface, so rule code stays headless and tests script
// the answers. The window build installs a dialog-backed implementation at start-up.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A message box; `style` takes wx's flags (wxOK, wxYES_NO, wxCANCEL, wxICON_*).
    // Returns wxOK, wxYES, wxNO or wxCANCEL as wxMessageBox does.
    virtual int Message(const wxString& message, const wxString& caption, long style) = 0;

    // One line of text; nullopt when the user cancels.
    virtual std::optional<wxString> Text(const wxString& message, const wxString& caption,
                                         const wxString& defaultValue) = 0;

    // A whole number between `min` and `max`; nullopt when the user cancels.
    virtual std::optional<long> Number(const wxString& message, const wxString& prompt,
                                       const wxString& caption, long value, long min, long max) = 0;

    // One of `choices`; returns its index, or -1 when the user cancels.
    virtual int Choice(const wxString& message, const wxString& caption,
                       const std::vector<wxString>& choices) = 0;

    // A yes-or-no question; true for yes.
    virtual bool YesNo(const wxString& message, const wxString& caption) = 0;
};

// The program's prompter. Before one is installed every question is answered as cancelled, and a
// message box with OK, so headless code never blocks.
Prompter& Prompts();

// Installs `prompter` and returns the one it replaces.
std::unique_ptr<Prompter> SetPrompter(std::unique_ptr<Prompter> prompter);

// How many times a question that must be answered is put before the program gives up on it: a prompter
// that cancels everything (a run without windows, a player who keeps closing the dialog) would
// otherwise keep it asking for ever.
inline constexpr int kMaxAsks = 100;

// Puts a question through `ask` again and again until it is answered, at most kMaxAsks times. `ask`
// puts the question once and returns the answer, or nullopt when it was cancelled or answered with
// something not allowed. Returns the first answer, or nullopt when none came: the caller then goes on as
// it says for a question never answered.
template <class Ask> auto AskUntilAnswered(Ask&& ask) -> decltype(ask()) {
    for (int asked = 0; asked < kMaxAsks; ++asked)
        if (auto answer = ask())
            return answer;
    return std::nullopt;
}

// The number question (as Prompter::Number) put until a number from `min` to `max` comes, through
// AskUntilAnswered: the number, or nullopt when none came.
std::optional<long> AskNumberUntilAnswered(const wxString& message, const wxString& prompt,
                                           const wxString& caption, long value, long min, long max);
