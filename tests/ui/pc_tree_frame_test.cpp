#include <gtest/gtest.h>
#include <map>
#include <wx/menu.h>
#include <wx/treectrl.h>

#include "app/app_globals.h"
#include "app/dice_log.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/tree_outline.h"
#include "ui/pc_tree_frame.h"
#include "ui/tree_model.h"
#include "ui/ui_test_support.h"
#include "ui/wx_tree_model.h"

namespace {

class PCTreeFrameTest : public GlobalsTest {
protected:
    PCTreeFrame* TreeWindow() { return dynamic_cast<PCTreeFrame*>(VOLDFrames[kSlotTree].Live()); }
};

TEST_F(PCTreeFrameTest, OpensEmptyAtTheRightEdgeWithAHiddenRoot) {
    UpdateTree();

    PCTreeFrame* frame = TreeWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(PCTREarly_Close);
    EXPECT_TRUE(frame->IsShown());
    EXPECT_EQ(frame->GetTitle(), "Character Creation: PC Tree");
    EXPECT_EQ(frame->GetPosition(), wxPoint(MasterWidth - 200, 0));

    ASSERT_TRUE(theTree);
    EXPECT_EQ(theTree->GetParent(), frame);
    EXPECT_EQ(theTree->GetId(), ID_TREE_CONTROL);
    EXPECT_EQ(theTree->GetName(), "listCtrl");
    EXPECT_TRUE(theTree->HasFlag(wxTR_HIDE_ROOT));
    EXPECT_FALSE(theTree->HasFlag(wxTR_HAS_BUTTONS));
    EXPECT_FALSE(theTree->HasFlag(wxTR_LINES_AT_ROOT));
    ASSERT_TRUE(theTree->GetRootItem().IsOk());
    EXPECT_EQ(theTree->GetItemText(theTree->GetRootItem()), "PC");
    EXPECT_EQ(theTree->GetCount(), 0u) << "nothing but the hidden root";

    wxMenuItem* exit = frame->GetMenuBar() ? frame->GetMenuBar()->FindItem(ID_TREE_EXIT) : nullptr;
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(frame->GetMenuBar()->GetMenuLabel(0), "&File");
    EXPECT_EQ(exit->GetItemLabel(), "E&xit");
    EXPECT_EQ(exit->GetHelp(), "Close window");

    UpdateTreeBranch("Skills", {"Climbing"}, {"45"}, 1);
    UpdateTree();
    EXPECT_EQ(TreeWindow(), frame) << "an open window is left as it is";
    EXPECT_EQ(TreeOutline(CurrentTree()), "Skills\n  Climbing\n    45\n");
}

TEST_F(PCTreeFrameTest, PushesReplaceInPlaceAndCountZeroRemovesOnTheControl) {
    UpdateTree();
    UpdateTreeBranch("Racial Data", {"Race", "Movement"}, {"Dwarf", "t"}, 2);
    UpdateTreeBranch("Skills", {"Climbing", "Swimming"}, {"45", ""}, 2);
    UpdateTreeBranch("Movement", {"Unencumbered"}, {"6"}, 1);
    UpdateTreeBranch("Racial Data", {"Race", "Movement"}, {"Elf", "t"}, 2);
    EXPECT_EQ(TreeOutline(CurrentTree()),
              "Racial Data\n  Race\n    Elf\n  Movement\n    t\nSkills\n  Climbing\n    45\n  Swimming\n");

    UpdateTreeBranch("Racial Data", {}, {}, 0);
    UpdateTreeBranch("Talents", {"a"}, {"1"}, 0);
    EXPECT_EQ(TreeOutline(CurrentTree()), "Skills\n  Climbing\n    45\n  Swimming\n");

    ClearTree();
    EXPECT_EQ(TreeOutline(CurrentTree()), "");
    EXPECT_EQ(theTree->GetItemText(theTree->GetRootItem()), "PC");
}

TEST_F(PCTreeFrameTest, NamesThatAreNotUtf8StillFindTheirBranch) {
    UpdateTree();
    const std::string name = "Caf\xE9 Skills"; // Latin-1, as an old catalogue may hold it
    UpdateTreeBranch(name, {"a"}, {"1"}, 1);
    UpdateTreeBranch(name, {"b"}, {"2"}, 1);
    EXPECT_EQ(theTree->GetCount(), 3u) << TreeOutline(CurrentTree());
}

TEST_F(PCTreeFrameTest, APushAfterExitReopensAnEmptyWindowWithThatBranch) {
    UpdateTreeBranch("Skills", {"Climbing"}, {"45"}, 1);
    PCTreeFrame* old = TreeWindow();
    ASSERT_NE(old, nullptr) << "a push with the window closed opens it";

    SelectMenu(old, ID_TREE_EXIT);
    EXPECT_TRUE(PCTREarly_Close) << "Exit marks the tree closed before the window goes";
    PumpEvents();
    EXPECT_EQ(TreeWindow(), nullptr);
    EXPECT_FALSE(theTree) << "the control is gone and nothing reaches it";
    EXPECT_EQ(CurrentTree(), nullptr);

    ClearTree();
    EXPECT_EQ(TreeWindow(), nullptr) << "clearing a closed tree opens nothing";

    UpdateTreeBranch("Equipment", {"Rope"}, {"1"}, 1);
    ASSERT_NE(TreeWindow(), nullptr);
    EXPECT_FALSE(PCTREarly_Close);
    EXPECT_EQ(TreeWindow()->GetPosition(), wxPoint(MasterWidth - 200, 0));
    EXPECT_EQ(TreeOutline(CurrentTree()), "Equipment\n  Rope\n    1\n") << "old branches are not restored";
}

TEST_F(PCTreeFrameTest, ClosingByTheCloseBoxMarksTheTreeClosedWhenTheWindowGoes) {
    UpdateTree();
    ASSERT_NE(TreeWindow(), nullptr);
    TreeWindow()->Close();
    PumpEvents();
    EXPECT_EQ(TreeWindow(), nullptr);
    EXPECT_TRUE(PCTREarly_Close);
}

TEST_F(PCTreeFrameTest, APushBeforeAnExitedWindowIsGoneLandsInItsSuccessor) {
    UpdateTree();
    PCTreeFrame* old = TreeWindow();
    SelectMenu(old, ID_TREE_EXIT);
    UpdateTreeBranch("Skills", {"Climbing"}, {"45"}, 1);
    PCTreeFrame* successor = TreeWindow();
    ASSERT_NE(successor, nullptr);
    EXPECT_NE(successor, old);
    PumpEvents();

    EXPECT_FALSE(PCTREarly_Close) << "the old window's end must not mark its successor closed";
    UpdateTreeBranch("Talents", {"Ambidextrous"}, {""}, 1);
    EXPECT_EQ(TreeWindow(), successor);
    EXPECT_EQ(TreeOutline(CurrentTree()), "Skills\n  Climbing\n    45\nTalents\n  Ambidextrous\n");
}

// Every id a window gives its controls and menu items, with what carries it.
void CollectIds(wxWindow* window, std::multimap<int, wxString>& ids) {
    for (wxWindow* child : window->GetChildren()) {
        if (child->GetId() >= 0)
            ids.emplace(child->GetId(), child->GetClassInfo()->GetClassName());
        CollectIds(child, ids);
    }
}

TEST_F(PCTreeFrameTest, NoWindowGivesOneIdToTwoControls) {
    ScopedTempDir dir;
    std::string text = "x";
    UpdateTree();
    Format_Entry(text, "3.log");
    for (int slot : {kSlotDiceLog, kSlotTree}) {
        wxFrame* frame = VOLDFrames[static_cast<size_t>(slot)].Live();
        ASSERT_NE(frame, nullptr);
        std::multimap<int, wxString> ids;
        CollectIds(frame, ids);
        wxMenuBar* bar = frame->GetMenuBar();
        for (size_t m = 0; bar && m < bar->GetMenuCount(); ++m)
            for (wxMenuItem* item : bar->GetMenu(m)->GetMenuItems())
                ids.emplace(item->GetId(), item->GetItemLabel());
        for (const auto& [id, what] : ids)
            EXPECT_EQ(ids.count(id), 1u) << frame->GetTitle() << ": id " << id << " used by " << what;
    }
}

} // namespace
