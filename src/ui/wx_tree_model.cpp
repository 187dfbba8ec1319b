#include "ui/wx_tree_model.h"

#include "app/text_encoding.h"

TreeItem WxTreeModel::GetRootItem() const {
    return ToTreeItem(tree_->GetRootItem());
}

TreeItem WxTreeModel::GetFirstChild(TreeItem item) const {
    if (!item.IsOk())
        return TreeItem();
    wxTreeItemIdValue cookie;
    return ToTreeItem(tree_->GetFirstChild(ToWxItem(item), cookie));
}

TreeItem WxTreeModel::GetNextSibling(TreeItem item) const {
    if (!item.IsOk())
        return TreeItem();
    return ToTreeItem(tree_->GetNextSibling(ToWxItem(item)));
}

std::string WxTreeModel::GetItemText(TreeItem item) const {
    if (!item.IsOk())
        return std::string();
    return FromWx(tree_->GetItemText(ToWxItem(item)));
}

TreeItem WxTreeModel::GetItemParent(TreeItem item) const {
    if (!item.IsOk())
        return TreeItem();
    return ToTreeItem(tree_->GetItemParent(ToWxItem(item)));
}

std::vector<TreeItem> WxTreeModel::GetChildren(TreeItem item) const {
    std::vector<TreeItem> children;
    if (!item.IsOk())
        return children;
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = tree_->GetFirstChild(ToWxItem(item), cookie); child.IsOk();
         child = tree_->GetNextChild(ToWxItem(item), cookie))
        children.push_back(ToTreeItem(child));
    return children;
}

TreeItem WxTreeModel::AddRoot(const std::string& text) {
    tree_->DeleteAllItems();
    return ToTreeItem(tree_->AddRoot(ToWxShown(text)));
}

TreeItem WxTreeModel::AppendItem(TreeItem parent, const std::string& text) {
    if (!parent.IsOk())
        return TreeItem();
    return ToTreeItem(tree_->AppendItem(ToWxItem(parent), ToWxShown(text)));
}

void WxTreeModel::Delete(TreeItem item) {
    if (item.IsOk())
        tree_->Delete(ToWxItem(item));
}

void WxTreeModel::DeleteChildren(TreeItem item) {
    if (item.IsOk())
        tree_->DeleteChildren(ToWxItem(item));
}

void WxTreeModel::DeleteAllItems() {
    tree_->DeleteAllItems();
}

std::string WxTreeModel::AsStored(const std::string& text) const {
    return FromWx(ToWxShown(text));
}
