// A clicked button taken off its window: hidden at once, destroyed only after its handler.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/weakref.h>

#include "steps/retired_button.h"
#include "support/reset_globals.h"
#include "ui/ui_test_support.h"

namespace {

class RetiredButtonTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        frame_ = new wxFrame(nullptr, wxID_ANY, "Retiring");
        button_ = new wxButton(frame_, wxID_ANY, "Roll");
    }
    void TearDown() override {
        CloseAllWindows();
        GlobalsTest::TearDown();
    }

    wxWeakRef<wxFrame> frame_;
    wxWeakRef<wxButton> button_;
};

TEST_F(RetiredButtonTest, TheButtonOutlivesEveryEventLoopOfItsHandlerAndGoesAfterIt) {
    {
        const RetiredButton retired(button_);
        EXPECT_FALSE(button_->IsShown()) << "hidden at once";
        PumpEvents(); // what a modal dialog of the click runs
        EXPECT_TRUE(button_) << "still inside its click";
    }
    EXPECT_TRUE(button_) << "not destroyed under its own handler";
    PumpEvents();
    EXPECT_FALSE(button_);
    EXPECT_TRUE(frame_) << "the window stays";
}

TEST_F(RetiredButtonTest, AButtonOrWindowGoneFirstIsLeftAlone) {
    {
        const RetiredButton retired(button_);
        button_->Destroy();
    }
    EXPECT_FALSE(button_);
    PumpEvents();
    EXPECT_TRUE(frame_);

    button_ = new wxButton(frame_, wxID_ANY, "Roll");
    { const RetiredButton retired(button_); }
    frame_->Destroy(); // the window goes before the queued destruction runs
    PumpEvents();
    EXPECT_FALSE(frame_);
    EXPECT_FALSE(button_);

    const RetiredButton none(nullptr);
}

} // namespace
