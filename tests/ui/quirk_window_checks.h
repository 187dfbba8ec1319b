// Checks both quirk step windows share: one control per id, the menu and the status bar.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/statusbr.h>

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

    wxMenuBar* bar = window->GetMenuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->GetMenuCount(), 1u);
    EXPECT_EQ(bar->GetMenuLabel(0), "&Menu");
    wxMenu* menu = bar->GetMenu(0);
    ASSERT_EQ(menu->GetMenuItemCount(), 3u);
    EXPECT_EQ(menu->FindItemByPosition(0)->GetId(), 10009);
    EXPECT_EQ(menu->FindItemByPosition(0)->GetItemLabel(), "&Continue");
    EXPECT_EQ(menu->FindItemByPosition(0)->GetHelp(), "Go on to the next step");
    EXPECT_TRUE(menu->FindItemByPosition(1)->IsSeparator());
    EXPECT_EQ(menu->FindItemByPosition(2)->GetId(), 10008);
    EXPECT_EQ(menu->FindItemByPosition(2)->GetItemLabel(), "Ab&ort");
    EXPECT_EQ(menu->FindItemByPosition(2)->GetHelp(), "Abort character");
    ASSERT_NE(window->GetStatusBar(), nullptr);
    EXPECT_EQ(window->GetStatusBar()->GetFieldsCount(), 3);
}
