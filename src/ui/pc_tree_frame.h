// The character tree window along the right edge of the screen.
#pragma once

#include <wx/frame.h>
#include <wx/treectrl.h>
#include <wx/weakref.h>

// Control ids of the tree window.
enum PCTreeFrameId {
    ID_TREE_EXIT = 10000,
    ID_TREE_CONTROL = 10094,
};

// Shows the character being built as a tree under a hidden root "PC"; the tree rules fill it.
class PCTreeFrame : public wxFrame {
public:
    PCTreeFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    ~PCTreeFrame() override;

    // "E&xit": marks the tree closed, then closes the window.
    void OnExit(wxCommandEvent& event);
    // Right click in the tree: while no creation step is open, asks a new value for the selected
    // background fact and shows it under its label.
    void OnEdit(wxTreeEvent& event);

private:
    wxTreeCtrl* tree_ = nullptr; // the control this window put into theTree

    wxDECLARE_EVENT_TABLE();
};

// True while no tree window is open.
extern bool PCTREarly_Close;
// The tree control of the open tree window; it reads null once that window is gone.
extern wxWeakRef<wxTreeCtrl> theTree;

// Makes the tree rules work on the PCTreeFrame window; called once at start-up.
void InstallTreeWindow();

// The spending windows the tree's context menu opens again. Defined with those windows (steps/), so the
// tree window includes none of their headers.
void OpenSkillsFromTree();
void OpenEquipmentFromTree();
