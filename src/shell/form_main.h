// The main window: menus for a new character, files, options and the game-master helpers.
#pragma once

#include <wx/frame.h>

#include "ui/ability_scores.h"

// Menu item ids of the main window.
enum FormMainId {
    ID_MAIN_EXIT = 10000,
    ID_MAIN_OPEN = 10001,
    ID_MAIN_SAVE = 10002,
    ID_MAIN_ABOUT = 10003,
    ID_MAIN_NEW = 10010,
    ID_MAIN_OPTIONS = 10011,
    ID_MAIN_TEST = 10014,
    ID_MAIN_CRITICAL = 10015,
    ID_MAIN_HONOR = 10016,
};

class FormMain : public wxFrame {
public:
    FormMain(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void OnOpenFile(wxCommandEvent& event);
    void OnSaveFile(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event);
    void OnNew(wxCommandEvent& event);
    void OnOptions(wxCommandEvent& event);
    void OnTest(wxCommandEvent& event);
    void OnCritical(wxCommandEvent& event);
    void OnHonor(wxCommandEvent& event);

private:
    AbilityScores abilityScores_;
    wxMenuBar* menuBar_ = nullptr;
    wxMenu* fileMenu_ = nullptr;
    wxMenu* settingsMenu_ = nullptr;
    wxMenu* gmMenu_ = nullptr;

    wxDECLARE_EVENT_TABLE();
};

// The program title shown in the About box.
extern const char* const TITLE;
