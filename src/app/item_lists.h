// The character's own lists: skills, spells, talents, proficiencies, quirks, equipment and classes.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class CharacterClass;

// One singly linked list per node kind, shared by every object of that kind: the objects in the
// character record are only handles through which the operations are called. The list owns its
// nodes through the `pNext` chain; readers walk `First()` / `pNext`.
template <class Node> class DataList {
public:
    // Appends `node` at the end, writing the trace lines the loader log has always shown.
    void AddTail(std::unique_ptr<Node> node);
    // Puts `node` in front of the list.
    void AddHead(std::unique_ptr<Node> node);
    // Unlinks and destroys `node`; a node that is not in the list leaves it unchanged.
    void Remove(Node* node);
    // Destroys every node.
    void Clear();
    // The first node whose name (CLASS_NAME for classes) contains `text` (case-sensitive), or null.
    Node* Find(const std::string& text) const;

    static Node* First() { return pHead.get(); }
    static size_t Count();

protected:
    // Destroys the nodes behind `next` one at a time, so a node at the front of a long chain (the list's
    // own first node when the program ends among them) never destroys the chain recursively.
    static void ReleaseChain(std::unique_ptr<Node>& next) {
        std::unique_ptr<Node> behind = std::move(next);
        while (behind)
            behind = std::move(behind->pNext);
    }

private:
    // Only the operations above link or unlink nodes, so the remembered last node stays right and
    // appending costs the same however long the list is.
    inline static std::unique_ptr<Node> pHead;
    inline static Node* pTail = nullptr; // the last node; null when the list is empty
};

// The common node form: a name with one whole number whose meaning depends on the kind.
template <class Node> struct NamedValueNode : DataList<Node> {
    std::unique_ptr<Node> pNext;
    std::string name;
    int32_t value = 0;

    NamedValueNode() = default;
    NamedValueNode(NamedValueNode&&) noexcept = default;
    NamedValueNode& operator=(NamedValueNode&&) noexcept = default;
    ~NamedValueNode() { DataList<Node>::ReleaseChain(pNext); }
};

struct SkillDataItem : NamedValueNode<SkillDataItem> {};   // value: rating in percent
struct SpellDataItem : NamedValueNode<SpellDataItem> {};   // value: pages
struct TalentDataItem : NamedValueNode<TalentDataItem> {}; // value: times taken
struct ProfDataItem : NamedValueNode<ProfDataItem> {};     // value: 1 Basic, 2 Specialized
struct QuirkDataItem : NamedValueNode<QuirkDataItem> {};   // value: times held
struct EquipDataItem : NamedValueNode<EquipDataItem> {};   // value: quantity

using LevelTable = std::array<int32_t, 100>;

// A number no earlier class item had: a window that outlives the character it was opened for tells
// its item from a later one built at the same address.
uint64_t NextClassItemSerial();

// One class the character has taken, with its per-level tables (index = level, 0 to 99).
struct ClassDataItem : DataList<ClassDataItem> {
    std::unique_ptr<ClassDataItem> pNext;
    uint64_t serial = NextClassItemSerial();
    CharacterClass* pClass = nullptr;
    std::string CLASS_NAME;
    float CLASS_EXP = 0.0f;
    int32_t CLASS_LEVEL = 0;
    LevelTable CLASS_HITPOINTS{};
    LevelTable CLASS_STR_GROW{}, CLASS_DEX_GROW{}, CLASS_CON_GROW{}, CLASS_INT_GROW{}, CLASS_WIS_GROW{},
        CLASS_CHR_GROW{}, CLASS_COM_GROW{};
    LevelTable CLASS_PICK_POCKETS{}, CLASS_OPEN_LOCKS{}, CLASS_FIND_TRAPS{}, CLASS_REMOVE_TRAPS{},
        CLASS_MOVE_SILENTLY{}, CLASS_HIDE_IN_SHADOWS{}, CLASS_DETECT_NOISE{}, CLASS_CLIMB_WALLS{},
        CLASS_READ_LANGUAGES{};

    ClassDataItem() = default;
    ClassDataItem(ClassDataItem&&) noexcept = default;
    ClassDataItem& operator=(ClassDataItem&&) noexcept = default;
    ~ClassDataItem() { ReleaseChain(pNext); }
};

// The thief skills a thief-type class totals: PP, OL, FT, RT, MS, HS, DN, CW, RL.
inline constexpr size_t kThiefSkillCount = 9;

// One thief skill: its name (row label, tree label, the key in a class's THIEFSKILLS) and its table in a
// class item.
struct ThiefSkillTable {
    const char* name;
    LevelTable ClassDataItem::*table;
};
// The nine thief skills in the order of the record's THIEF_SKILLS.
extern const std::array<ThiefSkillTable, kThiefSkillCount> kThiefSkillTables;

// Empties the character's seven lists: skills, spells, talents, proficiencies, quirks, equipment, classes.
void ClearItemLists();

extern template class DataList<SkillDataItem>;
extern template class DataList<SpellDataItem>;
extern template class DataList<TalentDataItem>;
extern template class DataList<ProfDataItem>;
extern template class DataList<QuirkDataItem>;
extern template class DataList<EquipDataItem>;
extern template class DataList<ClassDataItem>;
