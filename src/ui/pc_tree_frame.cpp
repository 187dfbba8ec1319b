#include "ui/pc_tree_frame.h"

#include <memory>
#include <wx/menu.h>

#include "app/app_globals.h"
#include "app/app_icon.h"
#include "app/shutdown.h"
#include "app/window_placement.h"
#include "ui/tree_edit.h"
#include "ui/tree_model.h"
#include "ui/wx_tree_model.h"

bool PCTREarly_Close = true;
wxWeakRef<wxTreeCtrl> theTree;

wxBEGIN_EVENT_TABLE(PCTreeFrame, wxFrame)
    EVT_MENU(ID_TREE_EXIT, PCTreeFrame::OnExit)
    EVT_TREE_ITEM_RIGHT_CLICK(ID_TREE_CONTROL, PCTreeFrame::OnEdit)
wxEND_EVENT_TABLE()

PCTreeFrame::PCTreeFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE) {
    SetIcon(SampleIcon());
    PCTREarly_Close = false;
    // Hidden root and no other style: no expand buttons and no lines at the top level.
    tree_ = new wxTreeCtrl(this, ID_TREE_CONTROL, wxDefaultPosition, wxDefaultSize, wxTR_HIDE_ROOT,
                           wxDefaultValidator, "listCtrl");
    theTree = tree_;

    auto* fileMenu = new wxMenu;
    fileMenu->Append(ID_TREE_EXIT, "E&xit", "Close window");
    auto* menuBar = new wxMenuBar;
    menuBar->Append(fileMenu, "&File");
    SetMenuBar(menuBar);

    const wxTreeItemId root = tree_->AddRoot(kTreeRootText);
#ifndef __WXGTK__
    // The native control shows a hidden root's children only once it is expanded; the generic one
    // used on GTK always shows them and refuses to expand a hidden root.
    tree_->Expand(root);
#else
    (void)root;
#endif
}

PCTreeFrame::~PCTreeFrame() {
    // A window closed by "E&xit" is deleted only at idle time; a push before that has already opened
    // its successor, which this window must not mark closed.
    if (!theTree || theTree.get() == tree_)
        PCTREarly_Close = true;
}

void PCTreeFrame::OnExit(wxCommandEvent&) {
    PCTREarly_Close = true;
    Close(true);
}

void PCTreeFrame::OnEdit(wxTreeEvent&) {
    // The selected item, not the one under the mouse, is what gets edited. A spending window that is
    // open, or that was left through its Continue in this run, keeps its slot: nothing opens then.
    WxTreeModel model(tree_);
    switch (EditTreeItem(model, ToTreeItem(tree_->GetSelection()))) {
    case TreeEditOutcome::OpenSkills:
        if (!VOLDFrames[kSlotSkills].IsSet())
            OpenSkillsFromTree();
        break;
    case TreeEditOutcome::OpenEquipment:
        if (!VOLDFrames[kSlotEquipment].IsSet())
            OpenEquipmentFromTree();
        break;
    case TreeEditOutcome::Nothing:
    case TreeEditOutcome::Edited:
        break;
    }
}

namespace {

class WxTreeHost : public TreeWindowHost {
public:
    void Open() override {
        if ((!PCTREarly_Close && theTree) || ProgramShuttingDown())
            return;
        const wxRect where(wxPoint(MasterWidth - 200, 0), wxSize(200, MasterHeight));
        auto* frame =
            new PCTreeFrame(MasterFrame, "Character Creation: PC Tree", where.GetPosition(), where.GetSize());
        VOLDFrames[kSlotTree] = frame;
        ShowInPlace(frame, where);
    }

    TreeModel* Model() override {
        if (PCTREarly_Close || !theTree)
            return nullptr;
        model_.SetControl(theTree.get());
        return &model_;
    }

private:
    WxTreeModel model_;
};

} // namespace

void InstallTreeWindow() {
    SetTreeWindowHost(std::make_unique<WxTreeHost>());
}
