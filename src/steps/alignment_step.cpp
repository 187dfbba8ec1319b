#include "steps/alignment_step.h"

#include <wx/button.h>
#include <wx/combobox.h>

#include "app/app_globals.h"
#include "app/app_icon.h"
#include "app/character.h"
#include "app/program_data.h"
#include "app/text_encoding.h"
#include "catalog/class_catalog.h"
#include "steps/character_finish.h"
#include "steps/equip_frame.h"

wxBEGIN_EVENT_TABLE(AlignmentStep, wxFrame)
    EVT_MENU(ID_ALIGNMENT_MENU_ABORT, AlignmentStep::OnAbort)
    EVT_MENU(ID_ALIGNMENT_MENU_CONTINUE, AlignmentStep::OnContinue)
    EVT_BUTTON(ID_ALIGNMENT_CONTINUE, AlignmentStep::OnContinue)
wxEND_EVENT_TABLE()

AlignmentStep::AlignmentStep(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxCLIP_CHILDREN | wxTAB_TRAVERSAL) {
    SetIcon(SampleIcon());
    AlignmentBox = new wxComboBox(this, ID_ALIGNMENT_BOX, "", wxPoint(5, 5), wxSize(160, -1), 0, nullptr,
                                  wxCB_DROPDOWN | wxCB_READONLY, wxDefaultValidator, "ComboBox");
    // The box keeps its natural height, which on GTK reaches y 38: the button sits 5 pixels lower.
    ContinueButton = new wxButton(this, ID_ALIGNMENT_CONTINUE, "Continue", wxPoint(45, 40), wxSize(80, 25), 0,
                                  wxDefaultValidator, "Button");
    FillAlignmentBox();
}

AlignmentStep::~AlignmentStep() {
    EndStepWindow(kSlotAlignment, this, Continued);
}

void AlignmentStep::FillAlignmentBox() {
    AlignmentBox->Clear();
    if (!current_character.pClass)
        return;
    for (const std::string& alignment : current_character.pClass->ALIGNMENT)
        AlignmentBox->Append(ToWx(alignment));
    if (AlignmentBox->GetCount() > 0)
        AlignmentBox->SetSelection(0);
}

void AlignmentStep::OnContinue(wxCommandEvent&) {
    const std::string alignment = FromWx(AlignmentBox->GetValue());
    Continued = true;
    program_data.WizardState = kWizardNone;
    TakeAlignment(alignment);
    Close(true);
    // The name question's event loop may delete this window: nothing of it is touched from here on.
    FinishCharacter(HitPointAverage::Halved);
    OpenEquipFrame();
}

void AlignmentStep::OnAbort(wxCommandEvent&) {
    program_data.WizardState = kWizardNone;
    Close(true);
}

AlignmentStep* OpenAlignmentStep() {
    return OpenInSlot<AlignmentStep>(kSlotAlignment, MasterFrame, "Character Creation: Alignment",
                                     wxSize(200, 100));
}
