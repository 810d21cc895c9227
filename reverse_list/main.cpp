// Builds a list at its front, shows it, reverses it in place and shows it again.

#include <iostream>

#include "common/finish_output.h"
#include "reverse_list/linked_list.h"

int main() {
    Linked_list list;
    list.add_to_head(10);
    list.add_to_head(20);
    list.add_to_head(30);

    std::cout << "Original List:\n";
    list.display();

    list.reverse();

    std::cout << "Reversed List:\n";
    list.display();

    return finish_output("reverse_list");
}
