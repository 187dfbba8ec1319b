#include "support/scripted_prompter.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

#include "app/text_encoding.h"

namespace {
const char* KindName(ScriptedPrompter::Kind kind) {
    switch (kind) {
    case ScriptedPrompter::Kind::Message:
        return "message box";
    case ScriptedPrompter::Kind::Text:
        return "text question";
    case ScriptedPrompter::Kind::Number:
        return "number question";
    case ScriptedPrompter::Kind::Choice:
        return "choice question";
    case ScriptedPrompter::Kind::YesNo:
        return "yes/no question";
    }
    return "question";
}
} // namespace

bool ScriptedPrompter::Take(Kind kind, const wxString& message, const wxString& caption, Answer& out,
                            const std::vector<wxString>& choices) {
    Question q;
    q.kind = kind;
    q.message = FromWx(message);
    q.caption = FromWx(caption);
    for (const wxString& c : choices)
        q.choices.push_back(FromWx(c));
    asked_.push_back(q);
    // Questions that cannot be cancelled are asked again for ever: stop the run instead of hanging.
    if (script_.empty() || script_.front().kind != kind) {
        if (++unanswered_ > kMaxUnanswered) {
            std::fprintf(stderr, "%zu questions in a row found no scripted answer; last: \"%s\"\n",
                         unanswered_, q.message.c_str());
            std::abort();
        }
    } else {
        unanswered_ = 0;
    }
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected " << KindName(kind) << " \"" << q.message << "\" (caption \""
                      << q.caption << "\")";
        return false;
    }
    if (script_.front().kind != kind) {
        ADD_FAILURE() << "expected a " << KindName(script_.front().kind) << ", got a " << KindName(kind)
                      << " \"" << q.message << "\" (caption \"" << q.caption << "\")";
        return false;
    }
    out = script_.front();
    script_.pop_front();
    return true;
}

int ScriptedPrompter::Message(const wxString& message, const wxString& caption, long style) {
    Answer a;
    if (!Take(Kind::Message, message, caption, a))
        return (style & wxYES_NO) ? wxNO : wxOK;
    return a.code;
}

std::optional<wxString> ScriptedPrompter::Text(const wxString& message, const wxString& caption,
                                               const wxString& defaultValue) {
    Answer a;
    const bool taken = Take(Kind::Text, message, caption, a);
    asked_.back().defaultValue = FromWx(defaultValue);
    if (!taken || a.code == 0)
        return std::nullopt;
    return a.text;
}

std::optional<long> ScriptedPrompter::Number(const wxString& message, const wxString& prompt,
                                             const wxString& caption, long value, long min, long max) {
    Answer a;
    const bool taken = Take(Kind::Number, message, caption, a);
    Question& asked = asked_.back();
    asked.prompt = FromWx(prompt);
    asked.value = value;
    asked.min = min;
    asked.max = max;
    if (!taken || a.code == 0)
        return std::nullopt;
    return a.number;
}

int ScriptedPrompter::Choice(const wxString& message, const wxString& caption,
                             const std::vector<wxString>& choices) {
    Answer a;
    if (!Take(Kind::Choice, message, caption, a, choices))
        return -1;
    return a.code;
}

bool ScriptedPrompter::YesNo(const wxString& message, const wxString& caption) {
    Answer a;
    if (!Take(Kind::YesNo, message, caption, a))
        return false;
    return a.code != 0;
}

ScopedPrompter::ScopedPrompter() {
    auto prompter = std::make_unique<ScriptedPrompter>();
    prompter_ = prompter.get();
    previous_ = SetPrompter(std::move(prompter));
}

ScopedPrompter::~ScopedPrompter() {
    EXPECT_EQ(prompter_->Pending(), 0u) << "scripted answers were left unused";
    SetPrompter(std::move(previous_));
}
