#include "app/item_lists.h"

#include "app/list_rules.h"

namespace {

template <class Node> const std::string& NameOf(const Node& node) {
    return node.name;
}
const std::string& NameOf(const ClassDataItem& node) {
    return node.CLASS_NAME;
}

} // namespace

uint64_t NextClassItemSerial() {
    static uint64_t last = 0;
    return ++last;
}

const std::array<ThiefSkillTable, kThiefSkillCount> kThiefSkillTables = {{
    {"Pick Pockets", &ClassDataItem::CLASS_PICK_POCKETS},
    {"Open Locks", &ClassDataItem::CLASS_OPEN_LOCKS},
    {"Find Traps", &ClassDataItem::CLASS_FIND_TRAPS},
    {"Remove Traps", &ClassDataItem::CLASS_REMOVE_TRAPS},
    {"Move Silently", &ClassDataItem::CLASS_MOVE_SILENTLY},
    {"Hide in Shadows", &ClassDataItem::CLASS_HIDE_IN_SHADOWS},
    {"Detect Noise", &ClassDataItem::CLASS_DETECT_NOISE},
    {"Climb Walls", &ClassDataItem::CLASS_CLIMB_WALLS},
    {"Read Languages", &ClassDataItem::CLASS_READ_LANGUAGES},
}};

template <class Node> void DataList<Node>::AddTail(std::unique_ptr<Node> node) {
    AppendAtTail(pHead, pTail, std::move(node));
}

template <class Node> void DataList<Node>::AddHead(std::unique_ptr<Node> node) {
    if (!pHead)
        pTail = node.get();
    node->pNext = std::move(pHead);
    pHead = std::move(node);
}

template <class Node> void DataList<Node>::Remove(Node* node) {
    if (!node || !pHead)
        return;
    if (pHead.get() == node) {
        if (pTail == node)
            pTail = nullptr;
        pHead = std::move(node->pNext);
        return;
    }
    for (Node* p = pHead.get(); p->pNext; p = p->pNext.get()) {
        if (p->pNext.get() == node) {
            if (pTail == node)
                pTail = p;
            // Keep the removed node alive until it is unlinked, then let it go with its own link cleared.
            std::unique_ptr<Node> removed = std::move(p->pNext);
            p->pNext = std::move(removed->pNext);
            return;
        }
    }
}

template <class Node> void DataList<Node>::Clear() {
    // Unlink one node at a time so a long list never destroys itself recursively.
    while (pHead)
        pHead = std::move(pHead->pNext);
    pTail = nullptr;
}

template <class Node> Node* DataList<Node>::Find(const std::string& text) const {
    return FindFirstContaining(pHead.get(), text,
                               [](const Node& node) -> const std::string& { return NameOf(node); });
}

template <class Node> size_t DataList<Node>::Count() {
    size_t n = 0;
    for (Node* p = pHead.get(); p; p = p->pNext.get())
        ++n;
    return n;
}

template class DataList<SkillDataItem>;
template class DataList<SpellDataItem>;
template class DataList<TalentDataItem>;
template class DataList<ProfDataItem>;
template class DataList<QuirkDataItem>;
template class DataList<EquipDataItem>;
template class DataList<ClassDataItem>;

void ClearItemLists() {
    SkillDataItem().Clear();
    SpellDataItem().Clear();
    TalentDataItem().Clear();
    ProfDataItem().Clear();
    QuirkDataItem().Clear();
    EquipDataItem().Clear();
    ClassDataItem().Clear();
}
