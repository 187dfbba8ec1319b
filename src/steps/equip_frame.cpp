#include "steps/equip_frame.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>

#include "app/app_globals.h"
#include "app/app_icon.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "app/text_encoding.h"
#include "catalog/equipment_catalog.h"
#include "steps/equipment_purse.h"
#include "ui/list_selection.h"
#include "ui/pc_tree_frame.h"
#include "ui/tree_pushers.h"

namespace {

// Geometry. The category box keeps its natural height, which on GTK reaches below y 55, so the
// buttons under it sit 4 pixels lower; the purchased list's caption is 30 pixels wider to show whole,
// and labels are 17 pixels high so descenders show.
const int kButtonY = 59;
const int kLabelHeight = 17;

} // namespace

wxBEGIN_EVENT_TABLE(EquipFrame, wxFrame)
    EVT_MENU(ID_EQUIP_MENU_ABORT, EquipFrame::OnAbort)
    EVT_MENU(ID_EQUIP_MENU_CONTINUE, EquipFrame::OnContinue)
    EVT_BUTTON(ID_EQUIP_ADD, EquipFrame::OnAdd)
    EVT_BUTTON(ID_EQUIP_REMOVE, EquipFrame::OnRemove)
    EVT_COMBOBOX(ID_EQUIP_FILTER, EquipFrame::OnFilterBox)
    EVT_LIST_ITEM_SELECTED(ID_EQUIP_CATALOGUE, EquipFrame::OnSelected)
wxEND_EVENT_TABLE()

EquipFrame::EquipFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL) {
    SetIcon(SampleIcon());
    InCreation = program_data.WizardState > kWizardNone;
    Labels[0] = new wxStaticText(this, ID_EQUIP_FILTER_LABEL, "Equipment Filter", wxPoint(5, 10),
                                 wxSize(200, kLabelHeight));
    FilterBox = new wxComboBox(this, ID_EQUIP_FILTER, "", wxPoint(5, 25), wxSize(200, -1), 0, nullptr,
                               wxCB_DROPDOWN | wxCB_READONLY);
    Buttons[0] = new wxButton(this, ID_EQUIP_ADD, "Add Selection", wxPoint(55, kButtonY), wxSize(150, 20));
    Buttons[1] =
        new wxButton(this, ID_EQUIP_REMOVE, "Remove Selection", wxPoint(415, kButtonY), wxSize(150, 20));
    Labels[1] = new wxStaticText(this, ID_EQUIP_CATALOGUE_LABEL, "Equipment Information Box", wxPoint(10, 80),
                                 wxSize(200, kLabelHeight));
    CatalogueList = new wxListCtrl(this, ID_EQUIP_CATALOGUE, wxPoint(10, 95), wxSize(350, 400),
                                   wxLC_REPORT | wxLC_SINGLE_SEL);
    Labels[2] = new wxStaticText(this, ID_EQUIP_PURCHASED_LABEL, "Equipment you have purchased",
                                 wxPoint(370, 80), wxSize(230, kLabelHeight));
    PurchasedList = new wxListCtrl(this, ID_EQUIP_PURCHASED, wxPoint(370, 95), wxSize(330, 400),
                                   wxLC_REPORT | wxLC_SINGLE_SEL);

    FilterBox->Clear();
    for (const std::string& category : EquipmentCategories())
        FilterBox->Append(ToWx(category));
    if (FilterBox->GetCount() > 0)
        FilterBox->SetSelection(0);
    OnSelectionStart(0);
    SetCurrentEquip();
}

EquipFrame::~EquipFrame() {
    // A window that edited a finished character leaves the state alone: a new creation may have begun.
    if (!Continued && InCreation)
        EndStepWindow(kSlotEquipment, this, false);
    else if (!Continued)
        ReleaseFrameSlot(kSlotEquipment, this);
    sendequiptotree();
}

void EquipFrame::SetCurrentEquip() {
    PurchasedList->ClearAll();
    PurchasedList->InsertColumn(0, "Name", wxLIST_FORMAT_LEFT);
    PurchasedList->InsertColumn(1, "Qty", wxLIST_FORMAT_LEFT);
    purchasedNames_.clear();
    for (const auto& [name, quantity] : PurchasedRows()) {
        const long row = PurchasedList->InsertItem(PurchasedList->GetItemCount(), ToWxShown(name));
        PurchasedList->SetItem(row, 1, ToWxShown(quantity));
        purchasedNames_.push_back(name);
    }
    PurchasedList->SetColumnWidth(0, 200);
    PurchasedList->SetColumnWidth(1, 50);
}

void EquipFrame::OnSelectionStart(int index) {
    CatalogueList->ClearAll();
    CatalogueList->InsertColumn(0, "Name", wxLIST_FORMAT_LEFT);
    CatalogueList->InsertColumn(1, "Cost", wxLIST_FORMAT_RIGHT);
    CatalogueList->InsertColumn(2, "Coin", wxLIST_FORMAT_LEFT);
    for (const CharacterEquip* entry : EquipmentOfCategory(index)) {
        const long row = CatalogueList->InsertItem(CatalogueList->GetItemCount(), ToWx(entry->NAME));
        CatalogueList->SetItem(row, 1, ToWx(Format("%i", entry->COST)));
        CatalogueList->SetItem(row, 2, ToWx(entry->COIN));
    }
    CatalogueList->SetColumnWidth(0, 195);
    CatalogueList->SetColumnWidth(1, 75);
    CatalogueList->SetColumnWidth(2, 55);
}

void EquipFrame::OnFilterBox(wxCommandEvent&) {
    const int index = FilterBox->FindString(FilterBox->GetValue(), true);
    OnSelectionStart(index == wxNOT_FOUND ? 0 : index);
}

void EquipFrame::OnAdd(wxCommandEvent&) {
    if (BuyEquipment(FromWx(SelectedListName(CatalogueList))))
        SetCurrentEquip();
}

void EquipFrame::OnRemove(wxCommandEvent&) {
    long row = -1;
    SelectedListName(PurchasedList, &row);
    // The row's own item, by its whole name: the row may show it cut.
    if (row < 0 || static_cast<size_t>(row) >= purchasedNames_.size() ||
        !SellEquipment(purchasedNames_[static_cast<size_t>(row)]))
        return;
    SetCurrentEquip();
    // Repeated clicks go on selling from the same place in the list.
    if (row < PurchasedList->GetItemCount())
        PurchasedList->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
}

void EquipFrame::OnSelected(wxListEvent&) {}

void EquipFrame::OnAbort(wxCommandEvent&) {
    program_data.WizardState = kWizardNone;
    sendequiptotree();
    Close(true);
}

void EquipFrame::OnContinue(wxCommandEvent&) {
    program_data.WizardState = kWizardNone;
    Continued = true;
    sendequiptotree();
    Close(true);
}

EquipFrame* OpenEquipFrame() {
    return OpenInSlot<EquipFrame>(kSlotEquipment, MasterFrame, "Character Creation: Purchase Equipment",
                                  wxSize(731, 545));
}

void OpenEquipmentFromTree() {
    OpenEquipFrame();
}
