#include <gtest/gtest.h>

#include "support/reset_globals.h"
#include "support/test_names.h"
#include "support/tree_outline.h"
#include "ui/tree_model.h"

namespace {

struct Push {
    std::string name;
    std::vector<std::string> labels;
    std::vector<std::string> values;
    int n;
};

// A tree as the writers leave it after some pushes, starting from the bare root.
std::unique_ptr<MemoryTreeModel> TreeAfter(const std::vector<Push>& pushes) {
    auto tree = std::make_unique<MemoryTreeModel>();
    tree->AddRoot("PC");
    for (const Push& p : pushes)
        UpdateTreeBranch(*tree, p.name, p.labels, p.values, p.n);
    return tree;
}

// Two branches with a nested label; "Movement" is a label under "Racial Data" and a branch of its own.
const std::vector<Push> kSample = {
    {"Racial Data", {"Race", "Movement", "Sex"}, {"Dwarf", "t", "Male"}, 3},
    {"Skills", {"Climbing", "Movement"}, {"45", ""}, 2},
};

std::string PathOf(const TreeModel& tree, TreeItem item) {
    std::string path;
    for (; item.IsOk() && item != tree.GetRootItem(); item = tree.GetItemParent(item))
        path = "/" + tree.GetItemText(item) + path;
    return path;
}

TEST(TreeSearchTest, FindsTheFirstWholeCaseSensitiveMatchInPreOrder) {
    auto tree = TreeAfter({
        {"Racial Data", {"Race", "Movement"}, {"Dwarf", "t"}, 2},
        {"Movement", {"Unencumbered"}, {"6"}, 1}, // fills the label: Racial Data/Movement/Unencumbered
        {"Skills", {"Dwarf", "Race"}, {"", "x"}, 2},
    });
    struct Case {
        const char* name;
        const char* path; // "" when nothing matches
    };
    const Case cases[] = {
        {"Racial Data", "/Racial Data"},
        {"Movement", "/Racial Data/Movement"},
        {"Unencumbered", "/Racial Data/Movement/Unencumbered"},
        {"6", "/Racial Data/Movement/Unencumbered/6"},
        // A value item before a later label of the same text wins: descendants before later siblings.
        {"Dwarf", "/Racial Data/Race/Dwarf"},
        {"Race", "/Racial Data/Race"},
        {"x", "/Skills/Race/x"},
        {"Skills", "/Skills"},
        {"skills", ""},
        {"Skill", ""},
        {"Skills ", ""},
        {"PC", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        TreeItem found;
        Search(*tree, c.name, found, tree->GetRootItem());
        EXPECT_EQ(found.IsOk() ? PathOf(*tree, found) : "", c.path) << "searching \"" << c.name << "\"";
    }
}

TEST(TreeSearchTest, StartsAfterTheCookieAndKeepsAnItemAlreadyFound) {
    auto tree = TreeAfter({{"A", {"x"}, {""}, 1}, {"B", {"x"}, {""}, 1}});
    const TreeItem a = tree->GetFirstChild(tree->GetRootItem());
    const TreeItem b = tree->GetNextSibling(a);

    TreeItem found;
    Search(*tree, "x", found, tree->GetRootItem(), a);
    EXPECT_EQ(found, tree->GetFirstChild(b));

    TreeItem kept = a;
    Search(*tree, "x", kept, tree->GetRootItem());
    EXPECT_EQ(kept, a);
}

TEST(TreeSearchTest, WalksALongBranch) {
    auto tree = std::make_unique<MemoryTreeModel>();
    const TreeItem branch = tree->AppendItem(tree->AddRoot("PC"), "Equipment");
    for (int i = 0; i < 20000; ++i)
        tree->AppendItem(branch, "item " + std::to_string(i));
    TreeItem found;
    Search(*tree, "item 19999", found, tree->GetRootItem());
    ASSERT_TRUE(found.IsOk());
    EXPECT_EQ(tree->GetItemText(found), "item 19999");
}

struct BranchCase {
    const char* what;
    std::vector<Push> pushes;
    std::string outline;
};

class UpdateTreeBranchTest : public ::testing::TestWithParam<BranchCase> {};

TEST_P(UpdateTreeBranchTest, LeavesTheTreeAsExpected) {
    EXPECT_EQ(TreeOutline(TreeAfter(GetParam().pushes).get()), GetParam().outline);
}

const std::string kSampleOutline = "Racial Data\n"
                                   "  Race\n"
                                   "    Dwarf\n"
                                   "  Movement\n"
                                   "    t\n"
                                   "  Sex\n"
                                   "    Male\n"
                                   "Skills\n"
                                   "  Climbing\n"
                                   "    45\n"
                                   "  Movement\n";

std::vector<Push> SampleThen(std::vector<Push> more) {
    std::vector<Push> all = kSample;
    all.insert(all.end(), more.begin(), more.end());
    return all;
}

const BranchCase kBranchCases[] = {
    {"new branches follow in push order; an empty value leaves the label alone", kSample, kSampleOutline},
    {"a new branch with n = 0 leaves the tree unchanged", SampleThen({{"Talents", {"a"}, {"1"}, 0}}),
     kSampleOutline},
    {"an existing branch with n = 0 is removed with everything below it",
     SampleThen({{"Racial Data", {}, {}, 0}}), "Skills\n  Climbing\n    45\n  Movement\n"},
    {"a second push replaces the content in place",
     SampleThen({{"Racial Data", {"Race", "Height"}, {"Elf", "60"}, 2}}),
     "Racial Data\n  Race\n    Elf\n  Height\n    60\nSkills\n  Climbing\n    45\n  Movement\n"},
    {"a push under a label's text fills the first such label",
     SampleThen({{"Movement", {"Unencumbered", "Severe"}, {"12", "1"}, 2}}),
     "Racial Data\n  Race\n    Dwarf\n  Movement\n    Unencumbered\n      12\n    Severe\n      1\n  Sex\n"
     "    Male\nSkills\n  Climbing\n    45\n  Movement\n"},
    {"a push under a value's text nests below that value", SampleThen({{"Dwarf", {"Beard"}, {"long"}, 1}}),
     "Racial Data\n  Race\n    Dwarf\n      Beard\n        long\n  Movement\n    t\n  Sex\n    Male\n"
     "Skills\n  Climbing\n    45\n  Movement\n"},
    {"n = 0 removes the first matching label, not the branch of the same name later on",
     SampleThen({{"Movement", {}, {}, 0}}),
     "Racial Data\n  Race\n    Dwarf\n  Sex\n    Male\nSkills\n  Climbing\n    45\n  Movement\n"},
    {"names differing in case or by more text make new branches",
     SampleThen({{"skills", {"a"}, {""}, 1}, {"Skills2", {"b"}, {""}, 1}}),
     kSampleOutline + "skills\n  a\nSkills2\n  b\n"},
    {"only the first n pairs are shown",
     {{"Talents", {"a", "b", "c"}, {"1", "2", "3"}, 2}},
     "Talents\n  a\n    1\n  b\n    2\n"},
    {"a count past the end of the labels shows the pairs there are; missing values are empty",
     {{"Talents", {"a", "b", "c"}, {"1"}, 7}},
     "Talents\n  a\n    1\n  b\n  c\n"},
    {"a branch named like the hidden root is a branch of its own", SampleThen({{"PC", {"a"}, {"1"}, 1}}),
     kSampleOutline + "PC\n  a\n    1\n"},
    {"a branch named like the hidden root with n = 0 leaves the tree alone", SampleThen({{"PC", {}, {}, 0}}),
     kSampleOutline},
};

void PrintTo(const BranchCase& c, std::ostream* os) {
    *os << c.what;
}

INSTANTIATE_TEST_SUITE_P(Pushes, UpdateTreeBranchTest, ::testing::ValuesIn(kBranchCases),
                         [](const ::testing::TestParamInfo<BranchCase>& info) {
                             return TestNameFromSentence(info.param.what);
                         });

TEST(UpdateTreeBranchModelTest, GivesATreeWithoutRootItsRootFirst) {
    MemoryTreeModel tree;
    UpdateTreeBranch(tree, "Skills", {"Climbing"}, {"45"}, 1);
    ASSERT_TRUE(tree.GetRootItem().IsOk());
    EXPECT_EQ(tree.GetItemText(tree.GetRootItem()), "PC");
    EXPECT_EQ(TreeOutline(&tree), "Skills\n  Climbing\n    45\n");
}

TEST(UpdateTreeBranchModelTest, ClearLeavesOnlyANewRoot) {
    auto tree = TreeAfter(kSample);
    ClearTree(*tree);
    ASSERT_TRUE(tree->GetRootItem().IsOk());
    EXPECT_EQ(tree->GetItemText(tree->GetRootItem()), "PC");
    EXPECT_EQ(TreeOutline(tree.get()), "");
}

// The program's tree, through the headless window that ResetGlobals installs.
class TreeWindowTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        auto host = std::make_unique<HeadlessTreeHost>();
        host_ = host.get();
        SetTreeWindowHost(std::move(host));
    }
    HeadlessTreeHost* host_ = nullptr; // owned by the tree registry
};

TEST_F(TreeWindowTest, OpensOnceAndClearsOnlyWhileOpen) {
    ClearTree();
    EXPECT_EQ(CurrentTree(), nullptr) << "clearing a closed tree must not open it";
    EXPECT_EQ(host_->Openings(), 0);

    UpdateTree();
    ASSERT_NE(CurrentTree(), nullptr);
    UpdateTreeBranch("Skills", {"Climbing"}, {"45"}, 1);
    UpdateTree();
    EXPECT_EQ(host_->Openings(), 1);
    EXPECT_EQ(TreeOutline(CurrentTree()), "Skills\n  Climbing\n    45\n") << "an open window is left alone";

    ClearTree();
    EXPECT_EQ(TreeOutline(CurrentTree()), "");
    EXPECT_EQ(CurrentTree()->GetItemText(CurrentTree()->GetRootItem()), "PC");
}

TEST_F(TreeWindowTest, APushWhileClosedReopensTheWindowWithThatBranchOnly) {
    UpdateTreeBranch("Skills", {"Climbing"}, {"45"}, 1);
    UpdateTreeBranch("Talents", {"Ambidextrous"}, {""}, 1);
    host_->Close();

    UpdateTreeBranch("Equipment", {"Rope"}, {"1"}, 1);

    EXPECT_EQ(host_->Openings(), 2);
    EXPECT_EQ(TreeOutline(CurrentTree()), "Equipment\n  Rope\n    1\n");
}

// A window that may not be opened (the program is closing) takes no push.
class RefusingHost : public TreeWindowHost {
public:
    void Open() override { ++asked; }
    TreeModel* Model() override { return nullptr; }
    int asked = 0;
};

TEST_F(TreeWindowTest, APushIsDroppedWhenNoWindowMayOpen) {
    auto host = std::make_unique<RefusingHost>();
    RefusingHost* refusing = host.get();
    SetTreeWindowHost(std::move(host));
    UpdateTreeBranch("Skills", {"Climbing"}, {"45"}, 1);
    ClearTree();
    EXPECT_EQ(refusing->asked, 1);
    EXPECT_EQ(CurrentTree(), nullptr);
}

} // namespace
