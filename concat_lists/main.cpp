// Builds two lists at their fronts, joins the second onto the end of the first and shows
// the lists before and after.

#include "common/finish_output.h"
#include "concat_lists/linked_list.h"

int main() {
    LinkedList first_list;
    first_list.add_to_front(3);
    first_list.add_to_front(2);
    first_list.add_to_front(1);
    first_list.display();

    LinkedList second_list;
    second_list.add_to_front(6);
    second_list.add_to_front(5);
    second_list.add_to_front(4);
    second_list.display();

    Concatenate_linked_lists(first_list, second_list);
    first_list.display();

    return finish_output("concat_lists");
}
