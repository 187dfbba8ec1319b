#include <gtest/gtest.h>
#include <string>
#include <wx/button.h>
#include <wx/choicdlg.h>
#include <wx/frame.h>
#include <wx/listbox.h>

#include "app/app_globals.h"
#include "app/wx_prompter.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "shell/form_main.h"
#include "ui/ui_test_support.h"

namespace {

class WxPrompterTest : public GlobalsTest {
protected:
    ScopedTempDir dir_; // the main window writes its options file into the working folder
    void SetUp() override {
        GlobalsTest::SetUp();
        main_ = new FormMain(nullptr, "Brindlekit", wxPoint(0, 0), wxSize(824, 543));
        main_->Show(true);
        MasterFrame = main_;
    }
    void TearDown() override {
        MasterFrame = nullptr;
        CloseAllWindows();
        GlobalsTest::TearDown();
    }
    FormMain* main_ = nullptr;
};

// A question asked while a step or helper window is in use must stand over that window: over the main
// window, closing it would give the focus to the main window, which then hides the window in use. The
// previous question's window counts when no window is active yet: after a question asked straight after
// another, the focus comes back to the window in use only when GTK's events are next handled.
TEST_F(WxPrompterTest, QuestionsStandOverTheWindowInUseWhileItCanOwnADialog) {
    auto* open = new wxFrame(main_, wxID_ANY, "Character Creation: Roll Priors and Particulars");
    auto* button = new wxButton(open, wxID_ANY, "Roll");
    open->Show(true);
    auto* hidden = new wxFrame(main_, wxID_ANY, "hidden");
    auto* closed = new wxFrame(main_, wxID_ANY, "closed");
    closed->Show(true);
    closed->Close(true); // deleted only at idle time, after the dialog would have taken it as parent

    const struct {
        const char* what;
        wxWindow* active;
        wxWindow* previous;
        wxWindow* expected;
    } cases[] = {
        {"a shown step window", open, nullptr, open},
        {"a control inside it", button, nullptr, open},
        {"the active window before the previous one", open, main_, open},
        {"no window in use", nullptr, nullptr, main_},
        {"no window in use yet, the previous question's window", nullptr, button, open},
        {"a hidden window", hidden, nullptr, main_},
        {"a window closed by its own handler", closed, nullptr, main_},
        {"the previous question's window closed since", nullptr, closed, main_},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DialogParent(c.active, c.previous), c.expected) << c.what;

    MasterFrame = nullptr;
    EXPECT_EQ(DialogParent(nullptr, nullptr), nullptr) << "no main window yet";
    EXPECT_EQ(DialogParent(open, nullptr), open) << "no main window yet, a step window open";
}

// wx sizes its choice list to the rows, and GTK cannot lay out the scroll bar of a list of two rows.
TEST_F(WxPrompterTest, AChoiceOfTwoRowsOpensWithoutGtkWarnings) {
    const std::vector<wxString> choices = {"Hero's Almanac 6G: Quirks, Major (Mental)",
                                           "Hero's Almanac 6I: Quirks, Major (Personality)"};
    testing::internal::CaptureStderr();
    std::unique_ptr<wxSingleChoiceDialog> dialog = MakeChoiceDialog(main_, "", "Free Quirk or Flaw", choices);
    dialog->Show(true);
    PumpEvents();
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed.find("Gtk-"), std::string::npos) << printed;
    EXPECT_EQ(dialog->GetTitle(), "Free Quirk or Flaw");
    EXPECT_EQ(dialog->GetParent(), main_);
    EXPECT_EQ(dialog->GetSelection(), 0);
    wxListBox* list = nullptr;
    for (wxWindow* child : dialog->GetChildren())
        if (auto* found = dynamic_cast<wxListBox*>(child))
            list = found;
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ListRows(list), std::vector<std::string>({"Hero's Almanac 6G: Quirks, Major (Mental)",
                                                        "Hero's Almanac 6I: Quirks, Major (Personality)"}));
    dialog->Hide();
}

} // namespace
