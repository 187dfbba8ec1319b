// The dice-log window along the bottom of the screen.
#pragma once

#include <wx/frame.h>
#include <wx/textctrl.h>
#include <wx/weakref.h>

// Menu item ids of the dice-log window.
enum DiceLogId {
    ID_DICELOG_EXIT = 10000,
};

// A read-only text window that shows every dice-log line of the run since it was opened.
class DiceLog : public wxFrame {
public:
    DiceLog(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    ~DiceLog() override;

    // "E&xit": marks the log closed, then closes the window.
    void OnExit(wxCommandEvent& event);

private:
    wxTextCtrl* text_ = nullptr; // the control this window put into theLogText

    wxDECLARE_EVENT_TABLE();
};

// True while no log window is open; every line logged then opens one.
extern bool Early_Close;
// The text control of the open log window; it reads null once that window is gone.
extern wxWeakRef<wxTextCtrl> theLogText;

// Makes the dice log show its lines in DiceLog windows; called once at start-up.
void InstallDiceLogWindow();
