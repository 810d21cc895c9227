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
// The sum wraps modulo 2^32 instead of overflowing: the additions are done on unsigned
// numbers, whose wrap-around is defined, and the result is turned back into a signed one.
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
// Throws std::bad_array_new_length, as the array form of new does, when `length` taken as an
// unsigned 32-bit number is above 0x1FFFFFFF (so also when it is negative: a row's size in
// bytes must fit a 32-bit signed number), before allocating anything; and when the row is too
// short for its initial values, after releasing the block it obtained.
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
