// The character tree's rules, kept apart from the tree control so they run and are tested headless.
#pragma once

#include <memory>
#include <string>
#include <vector>

// A handle of one item of a tree model; null when it names no item.
class TreeItem {
public:
    TreeItem() = default;
    explicit TreeItem(void* id) : id_(id) {}
    void* GetID() const { return id_; }
    bool IsOk() const { return id_ != nullptr; }
    friend bool operator==(TreeItem a, TreeItem b) { return a.id_ == b.id_; }
    friend bool operator!=(TreeItem a, TreeItem b) { return a.id_ != b.id_; }

private:
    void* id_ = nullptr;
};

// The few operations of a tree control the tree rules use. Item texts are bytes as the record keeps them.
class TreeModel {
public:
    virtual ~TreeModel() = default;

    virtual TreeItem GetRootItem() const = 0;
    // The first child of `item`, or a null handle when it has none.
    virtual TreeItem GetFirstChild(TreeItem item) const = 0;
    // The next child of the same parent, or a null handle after the last.
    virtual TreeItem GetNextSibling(TreeItem item) const = 0;
    virtual std::string GetItemText(TreeItem item) const = 0;
    // The parent of `item`, or a null handle for the root.
    virtual TreeItem GetItemParent(TreeItem item) const = 0;
    // The children of `item` in order. The default walks GetFirstChild and GetNextSibling; a control
    // whose next-sibling step searches the parent's children overrides it with a walk that does not.
    virtual std::vector<TreeItem> GetChildren(TreeItem item) const;

    // Replaces everything, root included, by a new root item with `text`.
    virtual TreeItem AddRoot(const std::string& text) = 0;
    // Adds a child with `text` after the last child of `parent`.
    virtual TreeItem AppendItem(TreeItem parent, const std::string& text) = 0;
    // Removes `item` with everything below it.
    virtual void Delete(TreeItem item) = 0;
    virtual void DeleteChildren(TreeItem item) = 0;
    virtual void DeleteAllItems() = 0;

    // `text` as GetItemText would give it back once stored; a control that holds texts in another
    // encoding than the record's bytes overrides this so names still compare equal.
    virtual std::string AsStored(const std::string& text) const { return text; }
};

// A tree held in memory: the model of the tests and of a run without windows.
class MemoryTreeModel : public TreeModel {
public:
    MemoryTreeModel();
    ~MemoryTreeModel() override;

    TreeItem GetRootItem() const override;
    TreeItem GetFirstChild(TreeItem item) const override;
    TreeItem GetNextSibling(TreeItem item) const override;
    std::string GetItemText(TreeItem item) const override;
    TreeItem GetItemParent(TreeItem item) const override;
    TreeItem AddRoot(const std::string& text) override;
    TreeItem AppendItem(TreeItem parent, const std::string& text) override;
    void Delete(TreeItem item) override;
    void DeleteChildren(TreeItem item) override;
    void DeleteAllItems() override;

    struct Node; // an item; handles point at it

private:
    std::unique_ptr<Node> root_;
};

// The text of the hidden root every tree starts with.
inline constexpr const char* kTreeRootText = "PC";

// Depth-first, pre-order search below `parent` for the first item whose text is exactly `name`
// (case-sensitive, whole text). The walk starts after the child `cookie` (with the first child when it is
// null); an item is compared before its descendants and its descendants before its later siblings.
// Nothing happens when `found` already holds an item; `parent` itself is never compared.
void Search(const TreeModel& tree, const std::string& name, TreeItem& found, TreeItem parent,
            TreeItem cookie = TreeItem());

// Rebuilds the children of `item` from the first `n` label/value pairs; a pair with an empty value
// gets a label alone. When `item` is the root or its text is not `name`, a new branch `name` is first
// appended to the root and rebuilt instead. With `n` equal to 0 the item is removed.
void OnNewRoot(TreeModel& tree, TreeItem item, const std::string& name,
               const std::vector<std::string>& labels, const std::vector<std::string>& values, int n);

// Replaces the children of the first item anywhere below the root whose text is `name` with `n`
// label/value pairs, or adds a new branch `name` when there is none; `n` equal to 0 removes that item.
// Pairs beyond the end of `labels` are not made; a missing value counts as empty.
void UpdateTreeBranch(TreeModel& tree, const std::string& name, const std::vector<std::string>& labels,
                      const std::vector<std::string>& values, int n);

// Removes every item and adds a new root.
void ClearTree(TreeModel& tree);

// The tree window as the rules see it. The window layer installs its own at start-up; until then a
// headless one keeps the tree in memory, opening like the window does.
class TreeWindowHost {
public:
    virtual ~TreeWindowHost() = default;
    // Opens the tree window, holding only the root, when it is closed; nothing when it is open or when
    // no window may be opened now.
    virtual void Open() = 0;
    // The tree of the open window, or null while it is closed.
    virtual TreeModel* Model() = 0;
};

// The tree window of a run without windows: a tree in memory that opens holding only the root.
class HeadlessTreeHost : public TreeWindowHost {
public:
    void Open() override;
    TreeModel* Model() override { return tree_.get(); }
    // Closes the window: its tree is gone.
    void Close() { tree_.reset(); }
    // How many times a window was opened.
    int Openings() const { return openings_; }

private:
    std::unique_ptr<MemoryTreeModel> tree_;
    int openings_ = 0;
};

// Installs `host` (null: a new headless one, closed) and returns the one it replaces.
std::unique_ptr<TreeWindowHost> SetTreeWindowHost(std::unique_ptr<TreeWindowHost> host);

// The tree of the open tree window, or null while it is closed.
TreeModel* CurrentTree();

// Opens the character tree window when it is closed; an open window is neither raised nor moved.
void UpdateTree();

// Empties the open tree window down to its root; nothing while it is closed.
void ClearTree();

// UpdateTreeBranch on the tree window. While the window is closed it is first opened again, so a push
// is never lost and never reaches a control that is gone.
void UpdateTreeBranch(const std::string& name, const std::vector<std::string>& labels,
                      const std::vector<std::string>& values, int n);
