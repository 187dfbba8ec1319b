#include "app/dice_log_window.h"

#include <memory>
#include <wx/menu.h>

#include "app/app_globals.h"
#include "app/app_icon.h"
#include "app/dice_log.h"
#include "app/shutdown.h"
#include "app/text_encoding.h"
#include "app/window_placement.h"

bool Early_Close = true;
wxWeakRef<wxTextCtrl> theLogText;

wxBEGIN_EVENT_TABLE(DiceLog, wxFrame)
    EVT_MENU(ID_DICELOG_EXIT, DiceLog::OnExit)
wxEND_EVENT_TABLE()

DiceLog::DiceLog(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE) {
    SetIcon(SampleIcon());
    Early_Close = false;
    theLogText = nullptr;
    text_ = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                           wxTE_MULTILINE | wxTE_READONLY | wxHSCROLL);
    theLogText = text_;

    auto* fileMenu = new wxMenu;
    fileMenu->Append(ID_DICELOG_EXIT, "E&xit", "Close log window");
    auto* menuBar = new wxMenuBar;
    menuBar->Append(fileMenu, "&File");
    SetMenuBar(menuBar);
    CreateStatusBar(3);
}

DiceLog::~DiceLog() {
    // A window closed by "E&xit" is deleted only at idle time; a line logged before that has already
    // opened its successor, which this window must not mark closed.
    if (!theLogText || theLogText.get() == text_)
        Early_Close = true;
}

void DiceLog::OnExit(wxCommandEvent&) {
    Early_Close = true;
    Close(true);
}

namespace {

class WxDiceLogView : public DiceLogView {
public:
    void Open(const std::string& file, bool fullWidth) override {
        if ((!Early_Close && theLogText) || ProgramShuttingDown())
            return;
        const wxRect where(wxPoint(0, MasterHeight - 200),
                           wxSize(fullWidth ? MasterWidth : MasterWidth - 200, 200));
        auto* log =
            new DiceLog(MasterFrame, "Character Creation: DiceLog", where.GetPosition(), where.GetSize());
        VOLDFrames[kSlotDiceLog] = log;
        ShowInPlace(log, where);
        // The file's lines so far replace the new control's (empty) text.
        theLogText->ChangeValue(ToWx(ReadLogFile(file)));
    }

    void Append(const std::string& text) override {
        if (!Early_Close && theLogText)
            theLogText->AppendText(ToWx(text));
    }
};

} // namespace

void InstallDiceLogWindow() {
    SetDiceLogView(std::make_unique<WxDiceLogView>());
}
