#include "steps/skill_frame.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/app_globals.h"
#include "app/app_icon.h"
#include "app/character.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "app/text_encoding.h"
#include "steps/alignment_step.h"
#include "steps/character_finish.h"
#include "steps/equip_frame.h"
#include "ui/list_selection.h"
#include "ui/pc_tree_frame.h"
#include "ui/tree_pushers.h"

namespace {

// Geometry. A drop-down's given height is its list's on some toolkits; here the boxes keep their
// natural height, which on GTK reaches below y 55, so the buttons under them sit 4 pixels lower. The
// labels of the two displays are widened to show their texts whole, and the displays moved right by as
// much; labels are 17 pixels high so descenders show.
const int kComboHeight = -1;
const int kButtonY = 59;
const int kLabelHeight = 17;
const int kDisplayLabelWidth = 111, kDisplayX = 562;

void ResetList(wxListCtrl* list, const std::vector<std::string>& columns) {
    list->ClearAll();
    for (size_t i = 0; i < columns.size(); ++i)
        list->InsertColumn(static_cast<long>(i), ToWx(columns[i]), wxLIST_FORMAT_LEFT);
}

void FitColumns(wxListCtrl* list) {
    for (int i = 0; i < list->GetColumnCount(); ++i)
        list->SetColumnWidth(i, wxLIST_AUTOSIZE_USEHEADER); // the title counts as one of the texts
}

// `show` turns each cell into the row's text.
void AppendRow(wxListCtrl* list, const std::vector<std::string>& cells, long at,
               wxString (*show)(const std::string&)) {
    const long row = list->InsertItem(at, cells.empty() ? wxString() : show(cells[0]));
    for (size_t i = 1; i < cells.size(); ++i)
        list->SetItem(row, static_cast<int>(i), show(cells[i]));
}

} // namespace

wxBEGIN_EVENT_TABLE(SkillFrame, wxFrame)
    EVT_MENU(ID_SKILLS_MENU_ABORT, SkillFrame::OnAbort)
    EVT_MENU(ID_SKILLS_MENU_CONTINUE, SkillFrame::OnContinue)
    EVT_BUTTON(ID_SKILLS_ADD, SkillFrame::OnAdd)
    EVT_BUTTON(ID_SKILLS_REMOVE, SkillFrame::OnRemove)
    EVT_COMBOBOX(ID_SKILLS_KIND, SkillFrame::OnSelectionBox)
    EVT_COMBOBOX(ID_SKILLS_FILTER, SkillFrame::OnSkillBox)
    EVT_LIST_ITEM_SELECTED(ID_SKILLS_CATALOGUE, SkillFrame::OnSelected)
    EVT_LIST_ITEM_ACTIVATED(ID_SKILLS_CATALOGUE, SkillFrame::OnDblClk)
wxEND_EVENT_TABLE()

SkillFrame::SkillFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL) {
    SetIcon(SampleIcon());
    InCreation = program_data.WizardState > kWizardNone;
    if (InCreation) {
        StepMenu = new wxMenu;
        StepMenu->Append(ID_SKILLS_MENU_CONTINUE, "&Continue", "Go on to the next step");
        StepMenu->AppendSeparator();
        StepMenu->Append(ID_SKILLS_MENU_ABORT, "Ab&ort", "Abort character");
        StepMenuBar = new wxMenuBar;
        StepMenuBar->Append(StepMenu, "&Menu");
        SetMenuBar(StepMenuBar);
        CreateStatusBar(3);
    }

    Labels[0] =
        new wxStaticText(this, ID_SKILLS_KIND_LABEL, "Select STP", wxPoint(5, 10), wxSize(200, kLabelHeight));
    KindBox = new wxComboBox(this, ID_SKILLS_KIND, "", wxPoint(5, 25), wxSize(200, kComboHeight), 0, nullptr,
                             wxCB_DROPDOWN | wxCB_READONLY | wxCB_SORT);
    AddButton = new wxButton(this, ID_SKILLS_ADD, "Add Selection", wxPoint(55, kButtonY), wxSize(150, 20));
    RemoveButton =
        new wxButton(this, ID_SKILLS_REMOVE, "Remove Selection", wxPoint(275, kButtonY), wxSize(150, 20));
    Labels[2] = new wxStaticText(this, ID_SKILLS_CATALOGUE_LABEL, "STP Information Box", wxPoint(10, 80),
                                 wxSize(200, kLabelHeight));
    CatalogueList = new wxListCtrl(this, ID_SKILLS_CATALOGUE, wxPoint(10, 95), wxSize(700, 200),
                                   wxLC_REPORT | wxLC_SINGLE_SEL);
    Labels[3] = new wxStaticText(this, ID_SKILLS_OWNED_LABEL, "STPs You have taken", wxPoint(10, 300),
                                 wxSize(200, kLabelHeight));
    OwnedList = new wxListCtrl(this, ID_SKILLS_OWNED, wxPoint(10, 320), wxSize(700, 150),
                               wxLC_REPORT | wxLC_SINGLE_SEL);
    if (InCreation) {
        Labels[4] = new wxStaticText(this, ID_SKILLS_BP_LABEL, "Building Points", wxPoint(450, 10),
                                     wxSize(kDisplayLabelWidth, kLabelHeight));
        BPDisplay = new wxTextCtrl(this, ID_SKILLS_BP_DISPLAY, "0", wxPoint(kDisplayX, 10), wxSize(55, 15),
                                   wxTE_READONLY | wxTE_CENTRE);
    }
    Labels[5] = new wxStaticText(this, ID_SKILLS_SLOT_LABEL, "Proficiency Slots", wxPoint(450, 30),
                                 wxSize(kDisplayLabelWidth, kLabelHeight));
    SlotDisplay = new wxTextCtrl(this, ID_SKILLS_SLOT_DISPLAY, "0", wxPoint(kDisplayX, 30), wxSize(55, 15),
                                 wxTE_READONLY | wxTE_CENTRE);

    for (const char* kind : kShopKindNames)
        KindBox->Append(kind);
    // Selected from code, so no selection event: the window opens on the first kind in sorted order.
    KindBox->SetSelection(0);
    OnSelectionStart();
    SetCurrentSkills();
}

SkillFrame::~SkillFrame() {
    // After Continue the creation has moved on and the slot stays taken for the rest of the run. A
    // window that edited a finished character leaves the state alone: a new creation may have begun.
    if (!Continued && InCreation)
        EndStepWindow(kSlotSkills, this, false);
    else if (!Continued)
        ReleaseFrameSlot(kSlotSkills, this);
    sendskillstotree();
    sendprofstotree();
    sendtalentstotree();
}

void SkillFrame::ShowListing(const ShopListing& listing) {
    ResetList(CatalogueList, listing.columns);
    // Shown whole: a purchase looks the entry up by the row's text.
    for (const std::vector<std::string>& row : listing.rows)
        AppendRow(CatalogueList, row, CatalogueList->GetItemCount(), ToWx);
    FitColumns(CatalogueList);
}

void SkillFrame::OnSelectionStart() {
    const std::optional<ShopKind> kind = KindOfText(FromWx(KindBox->GetValue()));
    if (FilterBox) {
        Labels[1]->Destroy();
        FilterBox->Destroy();
        Labels[1] = nullptr;
        FilterBox = nullptr;
    }
    if (kind == ShopKind::Skill) {
        Labels[1] = new wxStaticText(this, ID_SKILLS_FILTER_LABEL, "Skill Filter", wxPoint(225, 10),
                                     wxSize(200, kLabelHeight));
        FilterBox = new wxComboBox(this, ID_SKILLS_FILTER, "", wxPoint(225, 25), wxSize(200, kComboHeight), 0,
                                   nullptr, wxCB_DROPDOWN | wxCB_READONLY);
        for (const char* group : kSkillGroupNames)
            FilterBox->Append(group);
        FilterBox->SetSelection(0);
        CatalogueList->ClearAll();
        return;
    }
    // Without a race (or class) there is nothing to offer; the list keeps what it showed.
    std::optional<ShopListing> listing;
    if (kind == ShopKind::Talent)
        listing = TalentListing();
    else if (kind == ShopKind::Proficiency)
        listing = ProficiencyListing();
    if (listing)
        ShowListing(*listing);
}

void SkillFrame::OnSkillBox(wxCommandEvent&) {
    ShowListing(SkillListing(FilterBox ? SkillGroupOf(FromWx(FilterBox->GetValue())) : 0));
}

void SkillFrame::OnSelectionBox(wxCommandEvent& event) {
    OnSelectionStart();
    if (KindOfText(FromWx(KindBox->GetValue())) == ShopKind::Skill)
        OnSkillBox(event);
}

void SkillFrame::OnSelected(wxListEvent&) {}

void SkillFrame::OnDblClk(wxListEvent&) {
    ShowTalentDescription(FromWx(KindBox->GetValue()), FromWx(SelectedListName(CatalogueList)));
}

void SkillFrame::OnAdd(wxCommandEvent&) {
    AddSelection(FromWx(KindBox->GetValue()), FromWx(SelectedListName(CatalogueList)));
    SetCurrentSkills();
}

void SkillFrame::OnRemove(wxCommandEvent&) {
    long row = -1;
    SelectedListName(OwnedList, &row);
    if (row < 0 || static_cast<size_t>(row) >= ownedRows_.size())
        return;
    // The row's own entry: a skill and a talent may bear the same name.
    const OwnedRow owned = ownedRows_[static_cast<size_t>(row)];
    RemoveOwned(owned.kind, owned.name);
    SetCurrentSkills();
}

void SkillFrame::OnAbort(wxCommandEvent&) {
    program_data.WizardState = kWizardNone;
    Close(true);
}

void SkillFrame::SetCurrentSkills() {
    ownedRows_ = OwnedRows();
    ResetList(OwnedList, {"Name", "Value", "Type"});
    for (const OwnedRow& row : ownedRows_)
        AppendRow(OwnedList, {row.name, row.value, row.type}, OwnedList->GetItemCount(), ToWxShown);
    FitColumns(OwnedList);
    if (program_data.WizardState > kWizardNone && BPDisplay)
        BPDisplay->ChangeValue(ToWx(FormatFixed(program_data.BuildingPoints, 1, -6)));
    SlotDisplay->ChangeValue(ToWx(Format("%i", current_character.PROF_SLOTS)));
}

void SkillFrame::OnContinue(wxCommandEvent&) {
    program_data.WizardState = kWizardSkillsDone;
    Continued = true;
    sendskillstotree();
    sendprofstotree();
    sendtalentstotree();
    CashInBuildingPoints();
    Close(true);
    // The name question's event loop may delete this window: nothing of it is touched from here on.
    if (EndPurchaseStep() == PurchaseExit::ToAlignment)
        OpenAlignmentStep();
    else
        OpenEquipFrame();
}

SkillFrame* OpenSkillFrame() {
    return OpenInSlot<SkillFrame>(kSlotSkills, MasterFrame,
                                  "Character Creation: Skills Talents & Proficiencies", wxSize(731, 545));
}

void OpenSkillsFromTree() {
    OpenSkillFrame();
}
