// The free weapon proficiency chooser a fighter's basic training opens.
#pragma once

#include <array>
#include <wx/frame.h>

class wxControl;
class wxListBox;
class wxStaticText;

// Control ids of the chooser.
enum FrameFighterBGQId {
    ID_FIGHTERBGQ_LIST = 10046,
    ID_FIGHTERBGQ_TYPE = 10052,
};

class FrameFighterBGQ : public wxFrame {
public:
    // Lists the proficiencies the character's class may take for free under `type` ("Melee Weapon" or
    // "Melee Weapon Limited").
    FrameFighterBGQ(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size,
                    const wxString& type);

    // A double-click takes the chosen proficiency, while a slot is left and it is not held yet.
    void OnListBox(wxCommandEvent& event);

    const wxString& Type() const { return TypeText; }
    wxListBox* List() const { return ListBox; }

private:
    wxString TypeText;
    std::array<wxStaticText*, 16> Label{};
    wxListBox* ListBox = nullptr;

    wxDECLARE_EVENT_TABLE();
};
