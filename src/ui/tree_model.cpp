#include "ui/tree_model.h"

#include <algorithm>
#include <cstddef>

#include "app/clear_all.h"
#include "app/dice_log.h"

struct MemoryTreeModel::Node {
    Node* parent = nullptr;
    size_t index = 0; // position among the parent's children, so the next sibling is found at once
    std::string text;
    std::vector<std::unique_ptr<Node>> children;
};

namespace {

MemoryTreeModel::Node* NodeOf(TreeItem item) {
    return static_cast<MemoryTreeModel::Node*>(item.GetID());
}

TreeItem ItemOf(MemoryTreeModel::Node* node) {
    return TreeItem(node);
}

} // namespace

MemoryTreeModel::MemoryTreeModel() = default;
MemoryTreeModel::~MemoryTreeModel() = default;

TreeItem MemoryTreeModel::GetRootItem() const {
    return ItemOf(root_.get());
}

TreeItem MemoryTreeModel::GetFirstChild(TreeItem item) const {
    Node* node = NodeOf(item);
    if (!node || node->children.empty())
        return TreeItem();
    return ItemOf(node->children.front().get());
}

TreeItem MemoryTreeModel::GetNextSibling(TreeItem item) const {
    Node* node = NodeOf(item);
    if (!node || !node->parent || node->index + 1 >= node->parent->children.size())
        return TreeItem();
    return ItemOf(node->parent->children[node->index + 1].get());
}

std::string MemoryTreeModel::GetItemText(TreeItem item) const {
    const Node* node = NodeOf(item);
    return node ? node->text : std::string();
}

TreeItem MemoryTreeModel::GetItemParent(TreeItem item) const {
    const Node* node = NodeOf(item);
    return node ? ItemOf(node->parent) : TreeItem();
}

TreeItem MemoryTreeModel::AddRoot(const std::string& text) {
    root_ = std::make_unique<Node>();
    root_->text = text;
    return ItemOf(root_.get());
}

TreeItem MemoryTreeModel::AppendItem(TreeItem parent, const std::string& text) {
    Node* node = NodeOf(parent);
    if (!node)
        return TreeItem();
    auto child = std::make_unique<Node>();
    child->parent = node;
    child->text = text;
    child->index = node->children.size();
    node->children.push_back(std::move(child));
    return ItemOf(node->children.back().get());
}

void MemoryTreeModel::Delete(TreeItem item) {
    Node* node = NodeOf(item);
    if (!node)
        return;
    if (node == root_.get()) {
        root_.reset();
        return;
    }
    if (Node* parent = node->parent) {
        const size_t at = node->index;
        parent->children.erase(parent->children.begin() + static_cast<std::ptrdiff_t>(at));
        for (size_t i = at; i < parent->children.size(); ++i)
            parent->children[i]->index = i;
    }
}

void MemoryTreeModel::DeleteChildren(TreeItem item) {
    if (Node* node = NodeOf(item))
        node->children.clear();
}

void MemoryTreeModel::DeleteAllItems() {
    root_.reset();
}

std::vector<TreeItem> TreeModel::GetChildren(TreeItem item) const {
    std::vector<TreeItem> children;
    for (TreeItem child = GetFirstChild(item); child.IsOk(); child = GetNextSibling(child))
        children.push_back(child);
    return children;
}

namespace {

// The search below `children`, from `from` on, for an item whose text is already `wanted` as stored.
// Siblings are walked in a loop rather than by recursion, so a long branch cannot exhaust the stack;
// an item is compared before its descendants and its descendants before its later siblings.
bool SearchChildren(const TreeModel& tree, const std::string& wanted, TreeItem& found,
                    const std::vector<TreeItem>& children, size_t from) {
    for (size_t i = from; i < children.size(); ++i) {
        const TreeItem child = children[i];
        if (tree.GetItemText(child) == wanted) {
            found = child;
            return true;
        }
        const std::vector<TreeItem> below = tree.GetChildren(child);
        if (!below.empty() && SearchChildren(tree, wanted, found, below, 0))
            return true;
    }
    return false;
}

} // namespace

void Search(const TreeModel& tree, const std::string& name, TreeItem& found, TreeItem parent,
            TreeItem cookie) {
    if (found.IsOk() || !parent.IsOk())
        return;
    if (!cookie.IsOk()) {
        SearchChildren(tree, tree.AsStored(name), found, tree.GetChildren(parent), 0);
        return;
    }
    // The walk goes on with the siblings that follow the cookie.
    const std::vector<TreeItem> siblings = tree.GetChildren(tree.GetItemParent(cookie));
    const size_t at =
        static_cast<size_t>(std::find(siblings.begin(), siblings.end(), cookie) - siblings.begin());
    SearchChildren(tree, tree.AsStored(name), found, siblings, at + 1);
}

void OnNewRoot(TreeModel& tree, TreeItem item, const std::string& name,
               const std::vector<std::string>& labels, const std::vector<std::string>& values, int n) {
    const TreeItem root = tree.GetRootItem();
    // The root is never rebuilt itself: a branch that happens to share its text gets a branch of its own,
    // where rebuilding the root would wipe every other branch (or delete the root when n is 0).
    if (!item.IsOk() || item == root || tree.GetItemText(item) != tree.AsStored(name))
        item = tree.AppendItem(root, name);
    if (!item.IsOk())
        return;
    tree.DeleteChildren(item);
    if (n == 0) {
        tree.Delete(item);
        return;
    }
    // A count past the end of the labels shows the pairs there are rather than reading past them.
    for (size_t i = 0; static_cast<long long>(i) < n && i < labels.size(); ++i) {
        const TreeItem label = tree.AppendItem(item, labels[i]);
        if (i < values.size() && !values[i].empty())
            tree.AppendItem(label, values[i]);
    }
}

void UpdateTreeBranch(TreeModel& tree, const std::string& name, const std::vector<std::string>& labels,
                      const std::vector<std::string>& values, int n) {
    TreeItem root = tree.GetRootItem();
    if (!root.IsOk())
        root = tree.AddRoot(kTreeRootText);
    TreeItem found;
    Search(tree, name, found, root);
    OnNewRoot(tree, found.IsOk() ? found : root, name, labels, values, n);
}

void ClearTree(TreeModel& tree) {
    tree.DeleteAllItems();
    tree.AddRoot(kTreeRootText);
}

void HeadlessTreeHost::Open() {
    if (tree_)
        return;
    tree_ = std::make_unique<MemoryTreeModel>();
    tree_->AddRoot(kTreeRootText);
    ++openings_;
}

namespace {

std::unique_ptr<TreeWindowHost>& Host() {
    static std::unique_ptr<TreeWindowHost> host = std::make_unique<HeadlessTreeHost>();
    return host;
}

} // namespace

std::unique_ptr<TreeWindowHost> SetTreeWindowHost(std::unique_ptr<TreeWindowHost> host) {
    if (!host)
        host = std::make_unique<HeadlessTreeHost>();
    std::swap(Host(), host);
    return host;
}

TreeModel* CurrentTree() {
    return Host()->Model();
}

void UpdateTree() {
    Host()->Open();
}

void ClearTree() {
    if (TreeModel* tree = CurrentTree())
        ClearTree(*tree);
}

void ResetCharacterTree() {
    ClearTree();
}

void OpenTreeAfterLogLine() {
    UpdateTree();
}

void UpdateTreeBranch(const std::string& name, const std::vector<std::string>& labels,
                      const std::vector<std::string>& values, int n) {
    TreeModel* tree = CurrentTree();
    if (!tree) {
        Host()->Open();
        tree = CurrentTree();
    }
    if (tree)
        UpdateTreeBranch(*tree, name, labels, values, n);
}
