// The list every catalogue kind keeps its entries in.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "app/list_rules.h"

// The NAME field every catalogue entry is looked up by.
template <class Entry> const std::string& EntryName(const Entry& entry) {
    return entry.NAME;
}

// One list per entry kind, shared by every object of the kind: the global instance of a kind is only
// the object through which its loader and look-ups are called, never an entry. The list owns its
// entries through the `pNext` chain, in load order; readers walk `First()` / `pNext`.
template <class Entry> class CatalogList {
public:
    std::unique_ptr<Entry> pNext;

    CatalogList() = default;
    CatalogList(const CatalogList&) = delete;
    CatalogList& operator=(const CatalogList&) = delete;
    // An entry may be moved while it is being built; assigning over one would drop its chain.
    CatalogList(CatalogList&&) noexcept = default;
    CatalogList& operator=(CatalogList&&) = delete;
    // Releases the entries behind this one one at a time, so a long chain never unwinds recursively.
    ~CatalogList() {
        std::unique_ptr<Entry> next = std::move(pNext);
        while (next)
            next = std::move(next->pNext);
    }

    // Appends `entry` at the end, writing the same trace lines as the character's lists. The tail is
    // remembered, so appending costs the same however long the catalogue is.
    static void AddTail(std::unique_ptr<Entry> entry) { AppendAtTail(pHead, pTail, std::move(entry)); }

    static Entry* First() { return pHead.get(); }
    static Entry* Last() { return pHead ? pTail : nullptr; }
    static size_t Count() {
        size_t n = 0;
        for (const Entry* p = pHead.get(); p; p = p->pNext.get())
            ++n;
        return n;
    }
    // Empties the list. The saved-character list is emptied before each refill (the honor party does so
    // before adding a member); a loaded catalogue is emptied only by tests, to load their own fixtures.
    static void Clear() {
        pHead.reset();
        pTail = nullptr;
    }

private:
    inline static std::unique_ptr<Entry> pHead;
    inline static Entry* pTail = nullptr;
};
