// The alignment step: the alignment from the class's list, then hit points, name and equipment.
#pragma once

#include <wx/frame.h>

class wxButton;
class wxComboBox;

enum AlignmentStepId {
    ID_ALIGNMENT_MENU_ABORT = 10008,
    ID_ALIGNMENT_MENU_CONTINUE = 10009,
    ID_ALIGNMENT_CONTINUE = 10018,
    ID_ALIGNMENT_BOX = 10037,
};

class AlignmentStep : public wxFrame {
public:
    AlignmentStep(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    // Closed without Continue, ends the creation; frees slot 11 while it holds this window.
    ~AlignmentStep() override;

    // Lists the alignments of the character's class and selects the first; none without a class.
    void FillAlignmentBox();
    // Takes the alignment, rolls the starting hit points, asks the name and opens the equipment window.
    void OnContinue(wxCommandEvent& event);
    void OnAbort(wxCommandEvent& event);

private:
    wxComboBox* AlignmentBox = nullptr;
    wxButton* ContinueButton = nullptr;
    bool Continued = false;

    wxDECLARE_EVENT_TABLE();
};

// Opens the alignment step under the main window in slot 11.
AlignmentStep* OpenAlignmentStep();
