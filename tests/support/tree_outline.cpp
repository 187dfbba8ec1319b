#include "support/tree_outline.h"

namespace {

void Write(const TreeModel& tree, TreeItem parent, int depth, std::string& out) {
    for (TreeItem item = tree.GetFirstChild(parent); item.IsOk(); item = tree.GetNextSibling(item)) {
        out.append(static_cast<size_t>(depth) * 2, ' ');
        out += tree.GetItemText(item);
        out += '\n';
        Write(tree, item, depth + 1, out);
    }
}

} // namespace

std::string TreeOutline(const TreeModel* tree) {
    std::string out;
    if (tree && tree->GetRootItem().IsOk())
        Write(*tree, tree->GetRootItem(), 0, out);
    return out;
}
