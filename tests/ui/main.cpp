// Entry of the window tests: one wx initialisation for the whole program, run under Xvfb.
#include <clocale>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

#include "app/dice.h"
#include "ui/ui_test_support.h"

namespace {

class TestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

// wx asserts are faults in our code or our use of wx: each one fails the running test.
void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_str().data(), line) << "wx assert in " << func.utf8_str().data() << ": "
                                                 << cond.utf8_str().data() << " " << msg.utf8_str().data();
}

class PumpBetweenTests : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override { CloseAllWindows(); }
};

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new TestApp); // owned by wx
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(wxArgc, wxArgv)) {
        fprintf(stderr, "cannot initialise wx (is there a display?)\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    std::setlocale(LC_NUMERIC, "C");
    // Tests check the dice asked for as well as the faces they show.
    dice::RecordRolls(true);
    wxSetAssertHandler(FailOnAssert);
    delete wxLog::SetActiveTarget(new wxLogStderr);
    ::testing::UnitTest::GetInstance()->listeners().Append(new PumpBetweenTests);
    const int result = RUN_ALL_TESTS();
    CloseAllWindows();
    wxEntryCleanup();
    return result;
}
