// A prompter that answers from a script and fails the test on any question it was not given.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "app/prompts.h"

class ScriptedPrompter : public Prompter {
public:
    enum class Kind { Message, Text, Number, Choice, YesNo };

    struct Question {
        Kind kind = Kind::Message;
        std::string message;
        std::string caption;
        std::vector<std::string> choices; // for Choice
        std::string defaultValue;         // for Text
        // For Number: the prompt beside the box, the default value and the allowed range.
        std::string prompt;
        long value = 0;
        long min = 0;
        long max = 0;
    };

    // Queue the answer to the next question of that kind; questions must come in queue order.
    void ExpectMessage(int answer = wxOK) { Push(Kind::Message, answer); }
    void ExpectText(const wxString& answer) { Push(Kind::Text, 1, answer); }
    void ExpectTextCancel() { Push(Kind::Text, 0); }
    void ExpectNumber(long answer) { Push(Kind::Number, 1, wxString(), answer); }
    void ExpectNumberCancel() { Push(Kind::Number, 0); }
    void ExpectChoice(int index) { Push(Kind::Choice, index); }
    void ExpectYesNo(bool yes) { Push(Kind::YesNo, yes ? 1 : 0); }

    // Every question asked so far, in order.
    const std::vector<Question>& Asked() const { return asked_; }
    size_t Pending() const { return script_.size(); }

    int Message(const wxString& message, const wxString& caption, long style) override;
    std::optional<wxString> Text(const wxString& message, const wxString& caption,
                                 const wxString& defaultValue) override;
    std::optional<long> Number(const wxString& message, const wxString& prompt, const wxString& caption,
                               long value, long min, long max) override;
    int Choice(const wxString& message, const wxString& caption,
               const std::vector<wxString>& choices) override;
    bool YesNo(const wxString& message, const wxString& caption) override;

private:
    struct Answer {
        Kind kind;
        int code;
        wxString text;
        long number;
    };
    void Push(Kind kind, int code, const wxString& text = wxString(), long number = 0) {
        script_.push_back({kind, code, text, number});
    }
    // Records the question and pops its answer; false (with a test failure) when none fits.
    bool Take(Kind kind, const wxString& message, const wxString& caption, Answer& out,
              const std::vector<wxString>& choices = {});

    static constexpr size_t kMaxUnanswered = 50;
    std::deque<Answer> script_;
    std::vector<Question> asked_;
    size_t unanswered_ = 0;
};

// Installs a ScriptedPrompter for one test and checks on destruction that every answer was used.
class ScopedPrompter {
public:
    ScopedPrompter();
    ~ScopedPrompter();
    ScriptedPrompter& operator*() { return *prompter_; }
    ScriptedPrompter* operator->() { return prompter_; }

private:
    ScriptedPrompter* prompter_; // owned by the prompt registry while installed
    std::unique_ptr<Prompter> previous_;
};
