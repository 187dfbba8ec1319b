// The equipment purchase window: the last creation step, and the tree's equipment editor.
#pragma once

#include <array>
#include <string>
#include <vector>
#include <wx/frame.h>
#include <wx/listbase.h>

class wxButton;
class wxComboBox;
class wxListCtrl;
class wxStaticText;

enum EquipFrameId {
    ID_EQUIP_MENU_ABORT = 10008,
    ID_EQUIP_MENU_CONTINUE = 10009,
    ID_EQUIP_ADD = 10017,
    ID_EQUIP_REMOVE = 10018,
    ID_EQUIP_FILTER = 10037,
    ID_EQUIP_CATALOGUE = 10050,
    ID_EQUIP_PURCHASED = 10051,
    ID_EQUIP_FILTER_LABEL = 10052,
    ID_EQUIP_CATALOGUE_LABEL = 10054,
    ID_EQUIP_PURCHASED_LABEL = 10055,
};

class EquipFrame : public wxFrame {
public:
    EquipFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    // Closing the window (unless it was left through Continue) frees slot 18 while it holds this window
    // and ends the creation when it was opened during one; the equipment is pushed to the tree in every case.
    ~EquipFrame() override;

    // Refills the purchased list: the purse, then the owned items. No row is selected afterwards.
    void SetCurrentEquip();
    // Lists the entries of the category at `index` of the filter.
    void OnSelectionStart(int index);
    void OnFilterBox(wxCommandEvent& event);
    void OnAdd(wxCommandEvent& event);
    // Sells one of the selected purchased row and selects the row at the same place again.
    void OnRemove(wxCommandEvent& event);
    void OnSelected(wxListEvent& event);
    void OnAbort(wxCommandEvent& event);
    void OnContinue(wxCommandEvent& event);

private:
    bool Continued = false;
    bool InCreation = false; // opened while a creation step was running
    wxComboBox* FilterBox = nullptr;
    wxListCtrl* CatalogueList = nullptr;
    wxListCtrl* PurchasedList = nullptr;
    std::array<wxButton*, 2> Buttons{};
    std::array<wxStaticText*, 3> Labels{};
    std::vector<std::string> purchasedNames_; // the whole name behind each row of the purchased list

    wxDECLARE_EVENT_TABLE();
};

// Opens the equipment window as the creation steps and the tree do: under the main window, in slot 18.
EquipFrame* OpenEquipFrame();
