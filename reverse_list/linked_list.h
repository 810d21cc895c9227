#ifndef REVERSE_LIST_LINKED_LIST_H
#define REVERSE_LIST_LINKED_LIST_H

#include <cstdint>
#include <iostream>

#include "common/node.h"

// A singly linked list that grows at its front, counts its nodes and can reverse itself in
// place by turning its links around.
//
// Nodes are never destroyed: the list has no destructor, a deliberate leak that the design
// accepts for a program that ends right after its run; the operating system takes the
// memory back when the process ends.
class Linked_list {
public:
    // Makes an empty list.
    Linked_list() = default;

    // A copy would share the chain with the original; lists are handed on by reference.
    Linked_list(const Linked_list&) = delete;
    Linked_list& operator=(const Linked_list&) = delete;

    // Puts a new node holding `item` at the front. Writes nothing.
    void add_to_head(std::int32_t item) {
        // Allocate first: if that fails, the list is as it was.
        Node* node = new Node(item);
        node->link = front;
        front = node;
        ++node_count;
    }

    // Writes the items from the front as one line, each behind "-> ": "-> 30-> 20-> 10".
    void display() const {
        for (const Node* node = front; node != nullptr; node = node->link) {
            std::cout << "-> " << node->item;
        }
        std::cout << std::endl;
    }

    // Reverses the order of the chain in one pass, turning every link to point backwards.
    // No node is created, freed or moved, and every item stays in its node.
    void reverse() {
        Node* previous = nullptr;   // the front of the part already reversed
        Node* current = front;      // the node being turned
        Node* following = nullptr;  // the rest of the chain, not yet turned
        while (current != nullptr) {
            following = current->link;
            current->link = previous;
            previous = current;
            current = following;
        }
        front = previous;
    }

    Node* front = nullptr;         // the first node; null when the list is empty
    std::uint32_t node_count = 0;  // the number of nodes added since construction
};

#endif  // REVERSE_LIST_LINKED_LIST_H
