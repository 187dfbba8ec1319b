// The skills, talents and proficiencies purchase window, in creation and for editing a finished character.
#pragma once

#include <array>
#include <vector>
#include <wx/frame.h>
#include <wx/listbase.h>

#include "steps/skill_shop.h"

class wxButton;
class wxComboBox;
class wxListCtrl;
class wxMenu;
class wxMenuBar;
class wxStaticText;
class wxTextCtrl;

// Control and menu ids of the window; the two displays keep their small historic ids.
enum SkillFrameId {
    ID_SKILLS_BP_DISPLAY = 101,
    ID_SKILLS_SLOT_DISPLAY = 102,
    ID_SKILLS_MENU_ABORT = 10008,
    ID_SKILLS_MENU_CONTINUE = 10009,
    ID_SKILLS_ADD = 10017,
    ID_SKILLS_REMOVE = 10018,
    ID_SKILLS_KIND = 10037,
    ID_SKILLS_FILTER = 10038,
    ID_SKILLS_CATALOGUE = 10050,
    ID_SKILLS_OWNED = 10051,
    ID_SKILLS_KIND_LABEL = 10052,
    ID_SKILLS_FILTER_LABEL = 10053,
    ID_SKILLS_CATALOGUE_LABEL = 10054,
    ID_SKILLS_OWNED_LABEL = 10055,
    ID_SKILLS_BP_LABEL = 10056,
    ID_SKILLS_SLOT_LABEL = 10057,
};

class SkillFrame : public wxFrame {
public:
    // With `WizardState` above kWizardNone the window belongs to the creation and has the Continue/Abort
    // menu, a status bar and the BP display; otherwise it edits a finished character without them.
    SkillFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    // Left without Continue, frees slot 10 and, when opened during the creation, ends it; always pushes
    // the owned lists to the tree.
    ~SkillFrame() override;

    // Rebuilds the catalogue list for the chosen kind; builds or removes the skill filter.
    void OnSelectionStart();
    // Rebuilds the catalogue list with the skills of the chosen group.
    void OnSkillBox(wxCommandEvent& event);
    void OnSelectionBox(wxCommandEvent& event);
    void OnSelected(wxListEvent& event);
    void OnDblClk(wxListEvent& event);
    void OnAdd(wxCommandEvent& event);
    void OnRemove(wxCommandEvent& event);
    void OnAbort(wxCommandEvent& event);
    // Cashes the leftover BP in and hands over to the alignment step, or straight to the equipment.
    void OnContinue(wxCommandEvent& event);
    // Refills the owned list and the two displays from the record.
    void SetCurrentSkills();

    bool IsContinued() const { return Continued; }

private:
    void ShowListing(const ShopListing& listing);

    bool Continued = false;
    bool InCreation = false;               // opened during the creation, with its menu
    std::array<wxStaticText*, 6> Labels{}; // "Select STP", "Skill Filter", "STP Information Box",
                                           // "STPs You have taken", "Building Points", "Proficiency Slots"
    wxTextCtrl* BPDisplay = nullptr;       // in creation only
    wxTextCtrl* SlotDisplay = nullptr;
    wxButton* AddButton = nullptr;
    wxButton* RemoveButton = nullptr;
    wxListCtrl* OwnedList = nullptr;
    wxListCtrl* CatalogueList = nullptr;
    wxComboBox* KindBox = nullptr;
    wxComboBox* FilterBox = nullptr; // exists only while the kind is Skills
    wxMenuBar* StepMenuBar = nullptr;
    wxMenu* StepMenu = nullptr;

    std::vector<OwnedRow> ownedRows_; // what each row of the owned list stands for

    wxDECLARE_EVENT_TABLE();
};

// Opens the purchase window as the creation and the tree do: under the main window, in slot 10.
SkillFrame* OpenSkillFrame();
