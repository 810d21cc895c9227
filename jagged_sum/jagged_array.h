#ifndef JAGGED_SUM_JAGGED_ARRAY_H
#define JAGGED_SUM_JAGGED_ARRAY_H

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <new>

// Returns the sum of every element of rows 0 to `last_row` of a jagged array: row k starts
// at `rows[k]` and has `row_lengths[k]` elements. A negative `last_row` means no rows, and a
// row whose length is 0 or below adds nothing (its pointer is not followed).
//
// Each call totals its own row, then recurses for the rows below it, down to row 0.
// The sum wraps around modulo 2^32 (a result past the greatest 32-bit number comes back
// from the least) instead of overflowing: signed overflow is undefined behaviour on every
// platform, x86 included, while unsigned arithmetic wraps on every platform. So the
// additions are done on unsigned numbers, and the total is converted back to a signed one,
// a conversion that C++20 defines as modulo 2^32 (before C++20 it was the compiler's own).
inline std::int32_t recursiveArraySum(const std::int32_t* const* rows,
                                      const std::int32_t* row_lengths, std::int32_t last_row) {
    if (last_row < 0) {
        return 0;
    }
    const std::int32_t* const row = rows[last_row];
    const std::int32_t length = row_lengths[last_row];
    std::uint32_t row_total = 0;
    for (std::int32_t index = 0; index < length; ++index) {
        row_total += static_cast<std::uint32_t>(row[index]);
    }
    const std::int32_t rows_below = recursiveArraySum(rows, row_lengths, last_row - 1);
    return static_cast<std::int32_t>(row_total + static_cast<std::uint32_t>(rows_below));
}

// Returns a new row of `length` elements on the free store: `initial_values`, then zeros.
// The caller releases it with delete[].
//
// Throws std::bad_array_new_length on two checks of the program's own. Before allocating
// anything: when `length` taken as an unsigned 32-bit number is above 0x1FFFFFFF, so when it
// is negative or the row's size in bytes would not fit a 32-bit signed number. After the
// block is obtained: when the row is too short for its initial values; the block is
// released first.
inline std::int32_t* make_row(std::int32_t length,
                              std::initializer_list<std::int32_t> initial_values) {
    if (static_cast<std::uint32_t>(length) > 0x1FFFFFFFU) {
        throw std::bad_array_new_length();
    }
    const auto size = static_cast<std::size_t>(length);
    auto* const row = new std::int32_t[size];
    if (size < initial_values.size()) {
        delete[] row;
        throw std::bad_array_new_length();
    }
    std::fill(std::copy(initial_values.begin(), initial_values.end(), row), row + size, 0);
    return row;
}

#endif  // JAGGED_SUM_JAGGED_ARRAY_H
