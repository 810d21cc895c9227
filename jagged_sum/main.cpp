// Builds a jagged array of three rows on the free store, adds up all its elements
// recursively, prints the total and releases the rows.

#include <cstdint>
#include <iostream>

#include "common/finish_output.h"
#include "jagged_sum/jagged_array.h"

int main() {
    const std::int32_t row_lengths[3] = {4, 3, 3};
    std::int32_t* rows[3] = {nullptr, nullptr, nullptr};
    rows[0] = make_row(row_lengths[0], {1, 2, 3, 4});
    rows[1] = make_row(row_lengths[1], {5, 6, 7});
    rows[2] = make_row(row_lengths[2], {8, 9, 10});

    // The last row's index, not the number of rows.
    const std::int32_t total = recursiveArraySum(rows, row_lengths, 2);
    std::cout << "Total sum of elements: " << total << std::endl;

    for (std::int32_t* row : rows) {
        delete[] row;
    }

    return finish_output("jagged_sum");
}
