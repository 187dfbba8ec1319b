// The one look-up rule by part of a name, shared by the character's lists and the catalogues.
#pragma once

#include <string_view>

// The first node from `first` along `pNext` whose name (as `nameOf` gives it) contains `text`,
// case-sensitive, or null. With `skipLast` the last node is never returned: the blank entry that ends
// some catalogues.
template <class Node, class NameOf>
Node* FindFirstContaining(Node* first, std::string_view text, NameOf nameOf, bool skipLast = false) {
    for (Node* p = first; p && (!skipLast || p->pNext); p = p->pNext.get())
        if (std::string_view(nameOf(*p)).find(text) != std::string_view::npos)
            return p;
    return nullptr;
}
