#ifndef CONCAT_LISTS_LINKED_LIST_H
#define CONCAT_LISTS_LINKED_LIST_H

#include <cstdint>
#include <iostream>

#include "common/node.h"

// A singly linked list that grows at its front and reports every insertion.
//
// The list keeps only a pointer to its first node: no count and no pointer to the last
// node, so reaching the end takes a walk. Nodes are never freed, not even when the list
// object ends, because after a join another list may reach the same nodes.
class LinkedList {
public:
    // Makes an empty list.
    LinkedList() = default;

    // A copy would share the chain with the original; lists are handed on by reference.
    LinkedList(const LinkedList&) = delete;
    LinkedList& operator=(const LinkedList&) = delete;

    // Puts a new node holding `item` at the front and writes one line that reports it.
    void add_to_front(std::int32_t item) {
        // Allocate first: if that fails, the list and the output are as they were.
        Node* node = new Node(item);
        node->link = front;
        front = node;
        std::cout << "New node added with value: " << item << std::endl;
    }

    // Writes the items from the front to the last, each followed by one space, as one line.
    void display() const {
        for (const Node* node = front; node != nullptr; node = node->link) {
            std::cout << node->item << ' ';
        }
        std::cout << std::endl;
    }

    Node* front = nullptr;  // the first node; null when the list is empty
};

// Joins the chain of `second_list` onto the end of `first_list` by relinking, not copying:
// afterwards both lists reach the nodes of `second_list`. Writes "Concatenated.\n" when
// `first_list` had a last node to link from.
//
// A join that would close the chain into a ring is refused, changing nothing and writing
// nothing: that is when the walk to the last node of `first_list` meets the first node of
// `second_list` (the same list handed twice, or the same join made twice). Chains that
// share nodes in any other way, such as a shared tail, are not detected and remain the
// caller's to avoid: finding them would need a walk of `second_list` too.
inline void Concatenate_linked_lists(LinkedList& first_list, LinkedList& second_list) {
    if (first_list.front == nullptr) {
        first_list.front = second_list.front;
        return;
    }
    Node* last = first_list.front;
    while (last != second_list.front && last->link != nullptr) {
        last = last->link;
    }
    if (last == second_list.front) {
        return;
    }
    last->link = second_list.front;
    std::cout << "Concatenated.\n";
}

#endif  // CONCAT_LISTS_LINKED_LIST_H
