#include "steps/frame_fighter_bgq.h"

#include <algorithm>
#include <wx/listbox.h>
#include <wx/stattext.h>

#include "app/app_icon.h"
#include "app/text_encoding.h"
#include "steps/free_weapon_prof.h"

wxBEGIN_EVENT_TABLE(FrameFighterBGQ, wxFrame)
    EVT_LISTBOX_DCLICK(ID_FIGHTERBGQ_LIST, FrameFighterBGQ::OnListBox)
wxEND_EVENT_TABLE()

FrameFighterBGQ::FrameFighterBGQ(wxWindow* parent, const wxString& title, const wxPoint& pos,
                                 const wxSize& size, const wxString& type)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL), TypeText(type) {
    SetIcon(SampleIcon());

    Label[0] = new wxStaticText(this, ID_FIGHTERBGQ_TYPE, TypeText, wxPoint(5, 15), wxSize(65, 17), 0);
    // GTK's font needs more than the given 65 pixels for "Melee Weapon Limited".
    Label[0]->SetSize(std::max(65, Label[0]->GetBestSize().x), 17);

    // Below the label, inside the 200-pixel window.
    ListBox = new wxListBox(this, ID_FIGHTERBGQ_LIST, wxPoint(5, 35), wxSize(160, 173), 0, nullptr,
                            wxLB_SINGLE | wxLB_HSCROLL, wxDefaultValidator, "ListBox");
    wxArrayString names;
    for (const std::string& name : FreeWeaponProfChoices(FromWx(TypeText)))
        names.Add(ToWx(name));
    ListBox->Set(names);
}

void FrameFighterBGQ::OnListBox(wxCommandEvent&) {
    const int row = ListBox->GetSelection();
    if (row == wxNOT_FOUND)
        return;
    TakeFreeWeaponProf(FromWx(ListBox->GetString(static_cast<unsigned>(row))));
}
