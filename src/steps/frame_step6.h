// The background step: one roll button at a time for age, handedness, height, weight, social class and
// the family, each result shown as a row under the ones before.
#pragma once

#include <vector>
#include <wx/frame.h>

#include "steps/background_chain.h"

class wxButton;
class wxMenu;
class wxMenuBar;
class wxPanel;
class wxStaticText;

class FrameStep6 : public wxFrame {
public:
    FrameStep6(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    // Ends the creation (kWizardNone) unless the step handed over, and empties its slot while it holds it.
    ~FrameStep6() override;

    void OnAgeRoll(wxCommandEvent& event);
    void OnHandednessRoll(wxCommandEvent& event);
    void OnHeightRoll(wxCommandEvent& event);
    void OnWeightRoll(wxCommandEvent& event);
    void OnSocialClassRoll(wxCommandEvent& event);
    void OnBirthLegitRoll(wxCommandEvent& event);
    void OnMomStatusRoll(wxCommandEvent& event);
    void OnDadStatusRoll(wxCommandEvent& event);
    void OnStepMomRoll(wxCommandEvent& event);
    void OnMomQualityRoll(wxCommandEvent& event);
    void OnDadQualityRoll(wxCommandEvent& event);
    void OnFamilyHeritageRoll(wxCommandEvent& event);
    void OnSiblingsRoll(wxCommandEvent& event);
    void OnBirthOrderRoll(wxCommandEvent& event);
    void OnAbort(wxCommandEvent& event);
    // Hands the background over to the quirk step once a roll was made: the free quirk tables are chosen,
    // this window closes and hand-picking (nothing owed) or the random rolls open in slot 5.
    void OnContinue(wxCommandEvent& event);

    bool IsContinued() const { return continued; }
    // What the quality and birth-order rolls left for Continue.
    const BackgroundGains& Gains() const { return gains; }
    // The result texts in creation order.
    const std::vector<wxStaticText*>& Texts() const { return texts; }

private:
    // The steps every roll handler shares: the clicked button leaves, the roll is made, its rows are
    // added and the next button (if any) takes its place.
    void RollFromButton(int id);
    void AddRow(const ResultRow& row);

    bool continued = false; // set by Continue; while false the destructor ends the creation
    BackgroundGains gains;
    int nextY = 10; // y of the next result row
    std::vector<wxStaticText*> texts;
    wxMenuBar* menuBar = nullptr;
    wxMenu* menu = nullptr;
    wxPanel* panel = nullptr;
    wxButton* rollButton = nullptr;

    wxDECLARE_EVENT_TABLE();
};

// Opens the background step under the main window in slot 4.
FrameStep6* OpenFrameStep6();

// Opens the quirk step the background step hands over to: hand-picking, or the random rolls. Defined
// with the quirk windows (quirks/), so this step includes none of their headers.
void OpenQuirkStepAfterBackground(bool handPicking);
