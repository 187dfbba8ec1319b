#include <gtest/gtest.h>

#include "app/character.h"
#include "app/item_lists.h"
#include "support/reset_globals.h"

namespace {

class ItemListsTest : public GlobalsTest {};

std::unique_ptr<EquipDataItem> Equip(const std::string& name, int qty = 1) {
    auto node = std::make_unique<EquipDataItem>();
    node->name = name;
    node->value = qty;
    return node;
}

std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (auto* p = EquipDataItem::First(); p; p = p->pNext.get())
        names.push_back(p->name);
    return names;
}

TEST_F(ItemListsTest, AddTailWritesTraceLinesOnlyPastTheFirstNode) {
    auto& list = current_character.EQUIPMENT_SECTION;
    testing::internal::CaptureStdout();
    list.AddTail(Equip("Rope"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Adding Tail\n");

    testing::internal::CaptureStdout();
    list.AddTail(Equip("Lantern"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Adding Tail\nEntering while loop\nLeaving while loop\nLeaving Adding Tail\n");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Rope", "Lantern"}));
}

TEST_F(ItemListsTest, AddHeadPutsTheNodeInFrontSilently) {
    auto& list = current_character.EQUIPMENT_SECTION;
    list.AddTail(Equip("Rope"));
    testing::internal::CaptureStdout();
    list.AddHead(Equip("Torch"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Torch", "Rope"}));
}

TEST_F(ItemListsTest, RemoveUnlinksHeadMiddleAndLastAndIgnoresStrangers) {
    auto& list = current_character.EQUIPMENT_SECTION;
    for (const char* n : {"A", "B", "C", "D"})
        list.AddTail(Equip(n));
    list.Remove(list.Find("B"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "C", "D"}));
    list.Remove(list.Find("A"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"C", "D"}));
    list.Remove(list.Find("D"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"C"}));

    EquipDataItem stranger;
    list.Remove(&stranger);
    list.Remove(nullptr);
    EXPECT_EQ(Names(), (std::vector<std::string>{"C"}));

    list.Remove(list.Find("C"));
    EXPECT_EQ(EquipDataItem::First(), nullptr);
    list.Remove(&stranger); // on an empty list
    EXPECT_EQ(EquipDataItem::First(), nullptr);
}

// The list remembers its last node; every way of changing which node is last must leave an append
// landing after the one that is last now.
TEST_F(ItemListsTest, AppendAfterTheLastNodeChangedLandsAtTheNewEnd) {
    auto& list = current_character.EQUIPMENT_SECTION;
    const struct Case {
        const char* what;
        void (*change)(EquipDataItem& list);
        std::vector<std::string> expected; // after appending "Z"
    } cases[] = {
        {"last removed", [](auto& l) { l.Remove(l.Find("C")); }, {"A", "B", "Z"}},
        {"middle removed", [](auto& l) { l.Remove(l.Find("B")); }, {"A", "C", "Z"}},
        {"all removed from the back",
         [](auto& l) {
             for (const char* n : {"C", "B", "A"})
                 l.Remove(l.Find(n));
         },
         {"Z"}},
        {"all removed from the front",
         [](auto& l) {
             for (const char* n : {"A", "B", "C"})
                 l.Remove(l.Find(n));
         },
         {"Z"}},
        {"cleared", [](auto& l) { l.Clear(); }, {"Z"}},
        {"cleared, then one put in front",
         [](auto& l) {
             l.Clear();
             l.AddHead(Equip("H"));
         },
         {"H", "Z"}},
        {"one put in front", [](auto& l) { l.AddHead(Equip("H")); }, {"H", "A", "B", "C", "Z"}},
    };
    for (const Case& c : cases) {
        list.Clear();
        for (const char* n : {"A", "B", "C"})
            list.AddTail(Equip(n));
        c.change(list);
        list.AddTail(Equip("Z"));
        EXPECT_EQ(Names(), c.expected) << c.what;
    }
}

TEST_F(ItemListsTest, ClearEmptiesTheListButNeverTheHandle) {
    auto& list = current_character.EQUIPMENT_SECTION;
    list.Clear();
    EXPECT_EQ(EquipDataItem::Count(), 0u);
    for (int i = 0; i < 5; ++i)
        list.AddTail(Equip("Item"));
    list.Clear();
    EXPECT_EQ(EquipDataItem::First(), nullptr);
    EXPECT_EQ(list.pNext, nullptr);
    EXPECT_EQ(list.Find(""), nullptr);
}

TEST_F(ItemListsTest, FindIsAFirstMatchCaseSensitiveSubstring) {
    auto& list = current_character.EQUIPMENT_SECTION;
    list.AddTail(Equip("Short Sword"));
    list.AddTail(Equip("Sword"));
    list.AddTail(Equip("Pick Pockets"));
    struct Case {
        const char* text;
        const char* found; // null when nothing matches
    } cases[] = {{"Sword", "Short Sword"},       {"sword", nullptr}, {"Pocket", "Pick Pockets"},
                 {"Short Sword", "Short Sword"}, {"Axe", nullptr},   {"", "Short Sword"}};
    for (const Case& c : cases) {
        EquipDataItem* node = list.Find(c.text);
        if (c.found) {
            ASSERT_NE(node, nullptr) << c.text;
            EXPECT_EQ(node->name, c.found) << c.text;
        } else {
            EXPECT_EQ(node, nullptr) << c.text;
        }
    }
}

TEST_F(ItemListsTest, EachKindKeepsItsOwnList) {
    auto skill = std::make_unique<SkillDataItem>();
    skill->name = "Swimming";
    current_character.SKILL_SECTION.AddTail(std::move(skill));
    auto cls = std::make_unique<ClassDataItem>();
    cls->CLASS_NAME = "Fighter";
    current_character.CLASS_DATA.AddTail(std::move(cls));
    EXPECT_EQ(SkillDataItem::Count(), 1u);
    EXPECT_EQ(TalentDataItem::Count(), 0u);
    EXPECT_EQ(EquipDataItem::Count(), 0u);
    ASSERT_NE(current_character.CLASS_DATA.Find("Fight"), nullptr);
    EXPECT_EQ(current_character.CLASS_DATA.Find("Fight")->CLASS_NAME, "Fighter");
}

// The list's own first node is destroyed with its chain behind it when the program ends; the chain of a
// big character's million entries must go one node at a time rather than overflow the stack.
TEST(ItemChainTest, AMillionNodesBehindADestroyedNodeGoWithoutRecursion) {
    auto head = std::make_unique<SkillDataItem>();
    SkillDataItem* last = head.get();
    for (int i = 1; i < 1'000'000; ++i) {
        last->pNext = std::make_unique<SkillDataItem>();
        last = last->pNext.get();
    }
    size_t walked = 0;
    for (const SkillDataItem* p = head.get(); p; p = p->pNext.get())
        ++walked;
    EXPECT_EQ(walked, 1'000'000u);
    head.reset(); // a recursive release would overflow the stack here
}

TEST(ClassDataItemTest, NewNodeIsAllZero) {
    ClassDataItem node;
    EXPECT_EQ(node.pNext, nullptr);
    EXPECT_EQ(node.pClass, nullptr);
    EXPECT_EQ(node.CLASS_NAME, "");
    EXPECT_EQ(node.CLASS_EXP, 0.0f);
    EXPECT_EQ(node.CLASS_LEVEL, 0);
    const LevelTable* tables[] = {
        &node.CLASS_HITPOINTS,     &node.CLASS_STR_GROW,        &node.CLASS_DEX_GROW,
        &node.CLASS_CON_GROW,      &node.CLASS_INT_GROW,        &node.CLASS_WIS_GROW,
        &node.CLASS_CHR_GROW,      &node.CLASS_COM_GROW,        &node.CLASS_PICK_POCKETS,
        &node.CLASS_OPEN_LOCKS,    &node.CLASS_FIND_TRAPS,      &node.CLASS_REMOVE_TRAPS,
        &node.CLASS_MOVE_SILENTLY, &node.CLASS_HIDE_IN_SHADOWS, &node.CLASS_DETECT_NOISE,
        &node.CLASS_CLIMB_WALLS,   &node.CLASS_READ_LANGUAGES};
    for (const LevelTable* t : tables)
        for (int32_t v : *t)
            ASSERT_EQ(v, 0);
}

} // namespace
