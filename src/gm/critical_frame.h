// The game master's critical-hit roller: rolls or takes location and severity and looks the effect up.
#pragma once

#include <array>
#include <string>
#include <wx/frame.h>

class wxButton;
class wxComboBox;
class wxStaticText;
class wxTextCtrl;

// Control ids of the roller.
enum CriticalFrameId {
    ID_CRITICAL_ROLL_LOCATION = 10017,
    ID_CRITICAL_ROLL_SEVERITY = 10018,
    ID_CRITICAL_EXPLAIN = 10019,
    ID_CRITICAL_TYPE = 10037,
    ID_CRITICAL_LEGEND = 10038,
    ID_CRITICAL_LOCATION_BOX = 10041,
    ID_CRITICAL_BASE_BOX = 10042,
    ID_CRITICAL_SEVERITY_BOX = 10043,
    ID_CRITICAL_LOCATION_TEXT = 10052,
    ID_CRITICAL_BASE_TEXT = 10053,
    ID_CRITICAL_SEVERITY_TEXT = 10054,
    ID_CRITICAL_RESULT = 10056,
};

class CriticalFrame : public wxFrame {
public:
    CriticalFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    // Leaves `WizardState` alone: a roller is no creation step, whatever is open beside it.
    ~CriticalFrame() override = default;

    // Puts a d10,000 roll into the location box.
    void OnRollBase(wxCommandEvent& event);
    // Puts the open-ended roll on the base severity into the severity box.
    void OnRollSevere(wxCommandEvent& event);
    // Shows the effect of the location, severity and damage type as the result line.
    void OnExplain(wxCommandEvent& event);

    int32_t CriticalHitDiceRoll(int32_t sides, int32_t count, int32_t base);
    void Criticalhit(int32_t roll, int32_t severity, int32_t type, std::string& out);

private:
    std::array<wxStaticText*, 40> StaticText{};
    std::array<wxTextCtrl*, 3> TextBox{};
    std::array<wxButton*, 6> Button{};
    std::array<wxComboBox*, 2> ComboBox{};

    wxDECLARE_EVENT_TABLE();
};

// The damage types in the order of their numbers, as the roller offers them.
extern const char* const kCriticalTypeNames[4];
// The notation legend, as the roller shows it.
extern const char* const kCriticalLegend[34];
