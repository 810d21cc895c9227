#ifndef COMMON_NODE_H
#define COMMON_NODE_H

#include <cstdint>

// One element of a singly linked list: an item and the link to the element after it.
// Both list programs allocate nodes one at a time and never destroy them: a deliberate
// leak, since after a join two lists reach the same nodes and neither owns them alone. The
// operating system takes the memory back when the process ends.
struct Node {
    // Makes a node that holds `value` and ends a chain.
    explicit Node(std::int32_t value) : item(value) {}

    std::int32_t item;
    Node* link = nullptr;  // the following node, or null at the end of the chain
};

#endif  // COMMON_NODE_H
