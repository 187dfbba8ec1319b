#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#include "app/app_globals.h"
#include "shell/cx_application.h"
#include "app/dice_log.h"
#include "app/dice_log_window.h"
#include "app/text_encoding.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/tree_outline.h"
#include "shell/form_main.h"
#include "ui/pc_tree_frame.h"
#include "ui/tree_model.h"
#include "ui/ui_test_support.h"

namespace {

class DiceLogWindowTest : public GlobalsTest {
protected:
    DiceLog* LogWindow() { return dynamic_cast<DiceLog*>(VOLDFrames[kSlotDiceLog].Live()); }
    std::string Shown() {
        return theLogText ? FromWx(theLogText->GetValue()) : std::string("(no log window)");
    }

    ScopedTempDir dir_;
};

TEST_F(DiceLogWindowTest, TheFirstLineOpensTheLogAlongTheBottomAndTheTreeAtTheRight) {
    std::string text = "All variables have been cleared";
    Format_Entry(0.0f, text, "3.log");

    DiceLog* log = LogWindow();
    ASSERT_NE(log, nullptr);
    EXPECT_FALSE(Early_Close);
    EXPECT_TRUE(log->IsShown());
    EXPECT_EQ(log->GetTitle(), "Character Creation: DiceLog");
    EXPECT_EQ(log->GetPosition(), wxPoint(0, MasterHeight - 200));
    ASSERT_TRUE(theLogText);
    EXPECT_EQ(theLogText->GetParent(), log);
    EXPECT_TRUE(theLogText->IsMultiLine());
    EXPECT_FALSE(theLogText->IsEditable());
    EXPECT_EQ(Shown(), "BP=0.0    | All variables have been cleared\n");

    ASSERT_NE(log->GetStatusBar(), nullptr);
    EXPECT_EQ(log->GetStatusBar()->GetFieldsCount(), 3);
    wxMenuBar* bar = log->GetMenuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->GetMenuCount(), 1u);
    EXPECT_EQ(bar->GetMenuLabel(0), "&File");
    wxMenuItem* exit = bar->FindItem(ID_DICELOG_EXIT);
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->GetItemLabel(), "E&xit");
    EXPECT_EQ(exit->GetHelp(), "Close log window");

    EXPECT_FALSE(PCTREarly_Close);
    ASSERT_NE(VOLDFrames[kSlotTree].Live(), nullptr);
    EXPECT_EQ(VOLDFrames[kSlotTree].Live()->GetTitle(), "Character Creation: PC Tree");
}

TEST_F(DiceLogWindowTest, ASecondLineGoesBelowTheFirstInTheSameWindows) {
    std::string first = "first";
    std::string second = "second";
    Format_Entry(1.5f, first, "3.log");
    wxFrame* log = VOLDFrames[kSlotDiceLog].Live();
    wxFrame* tree = VOLDFrames[kSlotTree].Live();
    Format_Entry(2.5f, second, "3.log");
    EXPECT_EQ(VOLDFrames[kSlotDiceLog].Live(), log);
    EXPECT_EQ(VOLDFrames[kSlotTree].Live(), tree);
    EXPECT_EQ(Shown(), "BP=1.5    | first\nBP=2.5    | second\n");
}

TEST_F(DiceLogWindowTest, ReopeningAfterExitShowsTheFileSoFarThenTheNewLine) {
    std::string first = "first";
    Format_Entry(0.0f, first, "3.log");
    SelectMenu(LogWindow(), ID_DICELOG_EXIT);
    EXPECT_TRUE(Early_Close) << "Exit marks the log closed before the window goes";
    PumpEvents();
    EXPECT_EQ(VOLDFrames[kSlotDiceLog].Live(), nullptr);
    EXPECT_TRUE(VOLDFrames[kSlotDiceLog].IsSet()) << "nothing empties the log's slot";
    EXPECT_FALSE(theLogText);

    std::string second = "second";
    Format_Entry(0.0f, second, "3.log");
    ASSERT_NE(LogWindow(), nullptr);
    // The file's lines carry their blank before the line end; the line added to the window has none.
    EXPECT_EQ(Shown(), "BP=0.0    | first \nBP=0.0    | second\n");
}

TEST_F(DiceLogWindowTest, ClosingByTheCloseBoxMarksTheLogClosedWhenTheWindowGoes) {
    std::string text = "x";
    Format_Entry(0.0f, text, "3.log");
    ASSERT_NE(LogWindow(), nullptr);
    LogWindow()->Close();
    PumpEvents();
    EXPECT_EQ(LogWindow(), nullptr);
    EXPECT_TRUE(Early_Close);
}

TEST_F(DiceLogWindowTest, ALineLoggedBeforeAnExitedWindowIsGoneStaysInTheNewWindow) {
    std::string first = "first";
    Format_Entry(0.0f, first, "3.log");
    DiceLog* old = LogWindow();
    SelectMenu(old, ID_DICELOG_EXIT);

    std::string second = "second";
    Format_Entry(0.0f, second, "3.log");
    DiceLog* successor = LogWindow();
    ASSERT_NE(successor, nullptr);
    EXPECT_NE(successor, old);
    PumpEvents(); // the old window is deleted now

    EXPECT_FALSE(Early_Close) << "the old window's end must not mark its successor closed";
    std::string third = "third";
    Format_Entry(0.0f, third, "3.log");
    EXPECT_EQ(LogWindow(), successor);
    EXPECT_EQ(Shown(), "BP=0.0    | first \nBP=0.0    | second\nBP=0.0    | third\n");
}

// A window manager that clears a closed window's frame size leaves wx remembering none; windows opened
// again take the main window's, and so appear at their place and size without GTK warnings.
TEST_F(DiceLogWindowTest, ReopenedLogAndTreeTakeTheMainWindowsFrameSize) {
    FormMain* master = RunStartUp();
    master->m_decorSize.left = master->m_decorSize.right = 1; // as a window manager reports its frame
    master->m_decorSize.top = 20;
    master->m_decorSize.bottom = 5;
    std::string first = "first";
    Format_Entry(0.0f, first, "3.log");
    SelectMenu(LogWindow(), ID_DICELOG_EXIT);
    SelectMenu(VOLDFrames[kSlotTree].Live(), ID_TREE_EXIT);
    PumpEvents();
    testing::internal::CaptureStderr();
    std::string second = "second";
    Format_Entry(0.0f, second, "3.log");
    PumpEvents();
    const std::string printed = testing::internal::GetCapturedStderr();
    wxFrame* log = LogWindow();
    wxFrame* tree = VOLDFrames[kSlotTree].Live();
    ASSERT_NE(log, nullptr);
    ASSERT_NE(tree, nullptr);
    for (wxFrame* reopened : {log, tree}) {
        EXPECT_EQ(reopened->m_decorSize.top, 20);
        EXPECT_EQ(reopened->m_decorSize.bottom, 5);
    }
    EXPECT_EQ(log->GetRect(), wxRect(0, MasterHeight - 200, MasterWidth - 200, 200));
    EXPECT_EQ(tree->GetRect(), wxRect(MasterWidth - 200, 0, 200, MasterHeight));
    EXPECT_EQ(printed.find("Gtk-"), std::string::npos) << printed;
}

TEST_F(DiceLogWindowTest, TheTextOnlyFormOpensTheLogButNeverTheTree) {
    std::string text = "Honor award";
    Format_Entry(text, "Honor_5.log");
    ASSERT_NE(LogWindow(), nullptr);
    EXPECT_EQ(LogWindow()->GetPosition(), wxPoint(0, MasterHeight - 200));
    EXPECT_EQ(Shown(), "Honor award\n");
    EXPECT_TRUE(PCTREarly_Close);
    EXPECT_FALSE(VOLDFrames[kSlotTree].IsSet());
}

TEST_F(DiceLogWindowTest, AWindowOpensUnderTheMainWindow) {
    FormMain* master = RunStartUp();
    std::string text = "x";
    Format_Entry(0.0f, text, "3.log");
    ASSERT_NE(LogWindow(), nullptr);
    EXPECT_EQ(LogWindow()->GetParent(), master);
    EXPECT_EQ(VOLDFrames[kSlotTree].Live()->GetParent(), master);
}

TEST_F(DiceLogWindowTest, NoWindowOpensWhileTheMainWindowIsClosing) {
    FormMain* master = RunStartUp();
    master->Close(true);

    std::string text = "logged while closing";
    Format_Entry(0.0f, text, "3.log");
    UpdateTreeBranch("Skills", {"Climbing"}, {"45"}, 1);

    EXPECT_FALSE(VOLDFrames[kSlotDiceLog].IsSet());
    EXPECT_FALSE(VOLDFrames[kSlotTree].IsSet());
    EXPECT_TRUE(Early_Close);
    EXPECT_TRUE(PCTREarly_Close);
    std::ifstream in("3.log");
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "BP=0.0    | logged while closing ") << "the file still gets the line";
}

} // namespace
