#include "shell/form_main.h"

#include <wx/menu.h>
#include <wx/statusbr.h>

#include "app/app_globals.h"
#include "app/app_icon.h"
#include "app/character.h"
#include "app/clear_all.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "app/prompts.h"
#include "files/character_file_path.h"
#include "files/character_save.h"
#include "files/file_frame.h"
#include "gm/critical_frame.h"
#include "gm/honor_tracking_frame.h"
#include "steps/character_finish.h"
#include "steps/frame_fighter_bg.h"
#include "steps/frame_step3.h"
#include "ui/options_dialog.h"

const char* const TITLE = "Brindlekit";

wxBEGIN_EVENT_TABLE(FormMain, wxFrame)
    EVT_MENU(ID_MAIN_EXIT, FormMain::OnExit)
    EVT_MENU(ID_MAIN_ABOUT, FormMain::OnAbout)
    EVT_MENU(ID_MAIN_OPEN, FormMain::OnOpenFile)
    EVT_MENU(ID_MAIN_SAVE, FormMain::OnSaveFile)
    EVT_MENU(ID_MAIN_NEW, FormMain::OnNew)
    EVT_MENU(ID_MAIN_OPTIONS, FormMain::OnOptions)
    EVT_MENU(ID_MAIN_TEST, FormMain::OnTest)
    EVT_MENU(ID_MAIN_CRITICAL, FormMain::OnCritical)
    EVT_MENU(ID_MAIN_HONOR, FormMain::OnHonor)
wxEND_EVENT_TABLE()

FormMain::FormMain(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL) {
    SetIcon(SampleIcon());

    fileMenu_ = new wxMenu;
    fileMenu_->Append(ID_MAIN_OPEN, "&Open file", "Open an existing file");
    fileMenu_->Append(ID_MAIN_SAVE, "&Save file", "Save the Current Character");
    fileMenu_->Append(ID_MAIN_NEW, "&New Character", "Create a new character");
    fileMenu_->Append(ID_MAIN_ABOUT, "&About", "About this program");
    fileMenu_->AppendSeparator();
    fileMenu_->Append(ID_MAIN_EXIT, "E&xit", "Close program");

    settingsMenu_ = new wxMenu;
    settingsMenu_->Append(ID_MAIN_OPTIONS, "&Options", "Change program options");
    settingsMenu_->Append(ID_MAIN_TEST, "&Test", "Test Window");

    gmMenu_ = new wxMenu;
    gmMenu_->Append(ID_MAIN_CRITICAL, "&Critical Hit Rolling", "Critical Hit Rolling");
    gmMenu_->Append(ID_MAIN_HONOR, "&Honor Tracking", "Honor Tracking");

    menuBar_ = new wxMenuBar;
    menuBar_->Append(fileMenu_, "&File");
    menuBar_->Append(settingsMenu_, "&Settings");
    menuBar_->Append(gmMenu_, "&GM Helpers");
    SetMenuBar(menuBar_);

    CreateStatusBar(3, wxSTB_SIZEGRIP | wxFULL_REPAINT_ON_RESIZE, 0);

    LoadOptionsAtStartUp();
}

void FormMain::OnOpenFile(wxCommandEvent&) {
    // Kept nowhere: each choice opens another window, which closes itself after an open.
    (new FileFrame(this, "Load Character", wxDefaultPosition, wxSize(300, 300)))->Show(true);
}

void FormMain::OnSaveFile(wxCommandEvent&) {
    // A finished character whose name question was cancelled could otherwise never be saved, and all of
    // its creation would be lost: the name is asked once more. During a creation the last step asks it.
    if (program_data.WizardState == kWizardNone && !current_character.RACE.empty() &&
        CharacterFileName(current_character.CHARACTER_NAME, "").empty())
        AskCharacterName();
    SaveCurrentCharacter(CharacterNameQuestion);
}

void FormMain::OnAbout(wxCommandEvent&) {
    Prompts().Message(wxString(TITLE) + "\nCharacter creation and game-master helpers for Gorewright.",
                      "About VOLD", wxOK | wxCANCEL);
}

void FormMain::OnExit(wxCommandEvent&) {
    Close(true);
}

void FormMain::OnNew(wxCommandEvent&) {
    // The equipment step, opened by the alignment step, runs with the state already at 0: a reset under
    // it would leave that window buying and selling for the next character.
    if (program_data.WizardState != kWizardNone || CreationStepOpen())
        return;
    Clear_All();
    program_data.WizardState = kWizardAbilities;
    OpenFrameStep3(this);
}

void FormMain::OnOptions(wxCommandEvent&) {
    OpenInSlot<Options>(kSlotOptions, this, "VOLD Options", wxSize(320, 355));
}

void FormMain::OnTest(wxCommandEvent&) {
    // Kept nowhere: several may be open, each with its own tables.
    (new FrameFighterBG(this, "Test Window", wxDefaultPosition, wxSize(640, 500)))->Show(true);
}

void FormMain::OnCritical(wxCommandEvent&) {
    // Kept nowhere: any number of rollers may be open, each on its own.
    (new CriticalFrame(this, "Critical hit Rolling", wxDefaultPosition, wxSize(600, 200)))->Show(true);
}

void FormMain::OnHonor(wxCommandEvent&) {
    // Kept nowhere: any number of trackers may be open, all on the one party, each with its own log.
    (new HonorTrackingFrame(this, "Honor Tracking", wxDefaultPosition, wxSize(640, 500)))->Show(true);
}
