// The rules shared by the character's lists and the catalogues: appending and looking up by part of a name.
#pragma once

#include <iostream>
#include <memory>
#include <string_view>

// Appends `node` after `tail` (null: the list is empty and `head` takes it) and makes it the tail, in
// constant time. Writes the trace lines of an append, those of the walk to the end included, which the
// remembered tail replaced.
template <class Node>
void AppendAtTail(std::unique_ptr<Node>& head, Node*& tail, std::unique_ptr<Node> node) {
    std::cout << "Adding Tail\n";
    node->pNext.reset();
    Node* added = node.get();
    if (!head) {
        head = std::move(node);
        tail = added;
        return;
    }
    std::cout << "Entering while loop\n";
    std::cout << "Leaving while loop\n";
    tail->pNext = std::move(node);
    tail = added;
    std::cout << "Leaving Adding Tail\n";
}

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
