// The tree model on a wxTreeCtrl: how the tree rules reach the tree window's control.
#pragma once

#include <wx/treectrl.h>

#include "ui/tree_model.h"

// Items are the control's own ids; texts go through the window encoding and are cut for display (see
// ToWxShown), and AsStored gives a text the same treatment, so a search still finds what was pushed.
class WxTreeModel : public TreeModel {
public:
    explicit WxTreeModel(wxTreeCtrl* tree = nullptr) : tree_(tree) {}
    void SetControl(wxTreeCtrl* tree) { tree_ = tree; }
    wxTreeCtrl* Control() const { return tree_; }

    TreeItem GetRootItem() const override;
    TreeItem GetFirstChild(TreeItem item) const override;
    TreeItem GetNextSibling(TreeItem item) const override;
    std::string GetItemText(TreeItem item) const override;
    TreeItem GetItemParent(TreeItem item) const override;
    // wxTreeCtrl finds an item's next sibling by searching its parent's children, so a walk by
    // GetNextSibling costs the square of the branch's length; this walk keeps its place.
    std::vector<TreeItem> GetChildren(TreeItem item) const override;
    TreeItem AddRoot(const std::string& text) override;
    TreeItem AppendItem(TreeItem parent, const std::string& text) override;
    void Delete(TreeItem item) override;
    void DeleteChildren(TreeItem item) override;
    void DeleteAllItems() override;
    std::string AsStored(const std::string& text) const override;

private:
    wxTreeCtrl* tree_;
};

inline TreeItem ToTreeItem(const wxTreeItemId& id) {
    return TreeItem(id.GetID());
}
inline wxTreeItemId ToWxItem(TreeItem item) {
    return wxTreeItemId(item.GetID());
}
