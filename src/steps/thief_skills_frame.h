// The window in which a thief-type class spreads its first-level thief-skill points.
#pragma once

#include <array>
#include <cstdint>
#include <wx/frame.h>

#include "steps/thief_skills_rules.h"

class wxButton;
class wxStaticText;
class wxTextCtrl;

// Control ids. The skill rows keep their historic ids; the header and the points label, which shared
// the first row's label id, have ids of their own so each control can be found by its id.
enum ThiefSkillsId {
    ID_THIEF_TOTAL_PP = 101, // total boxes 101 to 109, in skill order
    ID_THIEF_ENTRY_PP = 110, // entry boxes 110 to 118, in skill order
    ID_THIEF_MENU_ADJUST = 10004,
    ID_THIEF_MENU_ABORT = 10008,
    ID_THIEF_APPLY = 10017,
    ID_THIEF_CONTINUE = 10018,
    ID_THIEF_ABORT = 10019,
    ID_THIEF_LABEL_PP = 10052, // skill names 10052 to 10060, in skill order
    ID_THIEF_BASE_HEADER = 10061,
    ID_THIEF_HEADER = 10062,
    ID_THIEF_POINTS_LABEL = 10063,
};

class ThiefSkills : public wxFrame {
public:
    // Opened for the class item `record`, whose base values it shows and whose first-level points it
    // writes; the skills offered and the points come from the character's chosen class.
    ThiefSkills(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size,
                ClassDataItem* record);
    // Ends the creation (kWizardNone) when closed without Continue, unless another creation step is open or
    // the item belongs to a character that has since been replaced.
    ~ThiefSkills() override;

    void OnAdjust(wxCommandEvent& event);
    void OnContinue(wxCommandEvent& event);
    void OnAbort(wxCommandEvent& event);

    bool IsContinued() const { return continued; }
    // The item while it is still the character's, else null.
    ClassDataItem* Record() const;

private:
    ThiefTexts EntryTexts() const;
    void ShowTotals(const ThiefAllotment& allotment);

    bool continued = false; // set only by a successful Continue
    ClassDataItem* record_ = nullptr;
    uint64_t serial_ = 0;
    wxStaticText* header = nullptr;
    std::array<wxStaticText*, kThiefSkillCount> skillLabels{};
    wxStaticText* baseHeader = nullptr;
    wxStaticText* pointsLabel = nullptr;
    wxButton* applyButton = nullptr;
    wxButton* continueButton = nullptr;
    wxButton* abortButton = nullptr;
    std::array<wxTextCtrl*, kThiefSkillCount> totalBoxes{};
    std::array<wxTextCtrl*, kThiefSkillCount> entryBoxes{};

    wxDECLARE_EVENT_TABLE();
};
