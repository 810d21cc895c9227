#ifndef COMMON_NODE_H
#define COMMON_NODE_H

#include <cstdint>

// One element of a singly linked list: an item and the link to the element after it.
// Both list programs allocate nodes one at a time and never free them; the end of the
// process reclaims them.
struct Node {
    // Makes a node that holds `value` and ends a chain.
    explicit Node(std::int32_t value) : item(value) {}

    std::int32_t item;
    Node* link = nullptr;  // the following node, or null at the end of the chain
};

#endif  // COMMON_NODE_H
