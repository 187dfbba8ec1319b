// Checks both quirk step windows share: one control per id, the menu and the status bar.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <wx/frame.h>

#include "ui/ui_test_support.h"

// `window` has `controls` controls besides its status bar, no two with one id, the menu "&Menu" with
// "&Continue" (10009), a separator and "Ab&ort" (10008), and a status bar of three fields.
inline void ExpectQuirkStepFrame(wxFrame* window, size_t controls) {
    std::map<int, int> uses;
    for (wxWindow* child : window->GetChildren())
        if (child->GetId() >= 0)
            ++uses[child->GetId()];
    for (const auto& [id, count] : uses)
        EXPECT_EQ(count, 1) << "id " << id;
    EXPECT_EQ(uses.size(), controls + 1) << "the controls and the status bar";

    ExpectStepMenu(window, ContinueAbortMenu(10009, 10008));
}
