// Tests of the recursive sum over a jagged array and of the construction of its rows.

#include <cstdint>
#include <limits>
#include <new>
#include <vector>

#include <gtest/gtest.h>

#include "jagged_sum/jagged_array.h"
#include "tests/case_name.h"

namespace {

constexpr std::int32_t kLeast = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kGreatest = std::numeric_limits<std::int32_t>::max();

// A jagged array held in vectors, handed to the sum as row pointers and lengths.
struct JaggedArray {
    explicit JaggedArray(std::vector<std::vector<std::int32_t>> values) : rows(std::move(values)) {
        for (const std::vector<std::int32_t>& row : rows) {
            pointers.push_back(row.data());
            lengths.push_back(static_cast<std::int32_t>(row.size()));
        }
    }

    // The sum of rows 0 to `last_row`.
    [[nodiscard]] std::int32_t sum(std::int32_t last_row) const {
        return recursiveArraySum(pointers.data(), lengths.data(), last_row);
    }

    std::vector<std::vector<std::int32_t>> rows;
    std::vector<const std::int32_t*> pointers;
    std::vector<std::int32_t> lengths;
};

struct SumCase {
    const char* name;
    std::vector<std::vector<std::int32_t>> rows;
    std::int32_t last_row;
    std::int32_t sum;
};

class RecursiveArraySumTest : public ::testing::TestWithParam<SumCase> {};

TEST_P(RecursiveArraySumTest, AddsRowsUpToTheLastRow) {
    const SumCase& c = GetParam();
    const JaggedArray array(c.rows);
    EXPECT_EQ(array.sum(c.last_row), c.sum);
}

const std::vector<std::vector<std::int32_t>> kRunRows = {{1, 2, 3, 4}, {5, 6, 7}, {8, 9, 10}};

INSTANTIATE_TEST_SUITE_P(
    Sums, RecursiveArraySumTest,
    ::testing::Values(SumCase{"RunDataRow0", kRunRows, 0, 10},
                      SumCase{"RunDataRows0To1", kRunRows, 1, 28},
                      SumCase{"RunDataAllRows", kRunRows, 2, 55},
                      SumCase{"RowsAboveLastRowAreLeftOut", {{1}, {2}, {1000}}, 1, 3},
                      SumCase{"EmptyRowsAddNothing", {{}, {4}, {}}, 2, 4},
                      SumCase{"NegativeElements", {{-5, 2}}, 0, -3},
                      SumCase{"WrapsAboveTheGreatest", {{kGreatest, 1}}, 0, kLeast},
                      SumCase{"WrapsBelowTheLeast", {{kLeast}, {-1}}, 1, kGreatest},
                      SumCase{"WrapsAcrossRows", {{kGreatest}, {kGreatest}, {2}}, 2, 0}),
    CaseName());

TEST(RecursiveArraySum, NegativeLastRowReadsNeitherArray) {
    EXPECT_EQ(recursiveArraySum(nullptr, nullptr, -1), 0);
    EXPECT_EQ(recursiveArraySum(nullptr, nullptr, kLeast), 0);
}

TEST(RecursiveArraySum, RowsOfNoLengthAreNotFollowed) {
    const std::int32_t row[] = {7, 8};
    const std::int32_t* const rows[] = {nullptr, row, nullptr};
    const std::int32_t row_lengths[] = {0, 2, -3};
    EXPECT_EQ(recursiveArraySum(rows, row_lengths, 2), 15);
}

TEST(RecursiveArraySum, ElementsAtOrBeyondTheLengthAreNotRead) {
    const std::int32_t row[] = {1, 2, 3};
    const std::int32_t* const rows[] = {row};
    const std::int32_t row_lengths[] = {2};
    EXPECT_EQ(recursiveArraySum(rows, row_lengths, 0), 3);
}

TEST(RecursiveArraySum, RepeatedCallsGiveTheSameSumAndChangeNothing) {
    const JaggedArray array(kRunRows);
    const std::int32_t first = array.sum(2);
    const std::int32_t second = array.sum(2);

    EXPECT_EQ(first, second);
    EXPECT_EQ(array.rows, kRunRows);
}

TEST(RecursiveArraySum, RecursesThroughManyRows) {
    // One recursion level per row: row k holds k ones, so the sum is 0 + 1 + ... + 4999.
    std::vector<std::vector<std::int32_t>> rows;
    rows.reserve(5000);
    for (std::int32_t k = 0; k < 5000; ++k) {
        rows.emplace_back(static_cast<std::size_t>(k), 1);
    }
    const JaggedArray array(rows);
    EXPECT_EQ(array.sum(4999), 4999 * 5000 / 2);
}

// The `length` elements of `row`, which is then released.
std::vector<std::int32_t> take_elements(std::int32_t* row, std::int32_t length) {
    std::vector<std::int32_t> elements(row, row + length);
    delete[] row;
    return elements;
}

TEST(MakeRow, ExactLengthHoldsTheInitialValues) {
    EXPECT_EQ(take_elements(make_row(3, {5, 6, 7}), 3), (std::vector<std::int32_t>{5, 6, 7}));
}

TEST(MakeRow, LongerRowEndsInZeros) {
    EXPECT_EQ(take_elements(make_row(6, {1, 2, 3, 4}), 6),
              (std::vector<std::int32_t>{1, 2, 3, 4, 0, 0}));
}

TEST(MakeRow, EmptyRowIsABlockOfItsOwn) {
    std::int32_t* const row = make_row(0, {});
    EXPECT_NE(row, nullptr);
    delete[] row;
}

struct BadLengthCase {
    const char* name;
    std::int32_t length;
};

class MakeRowBadLengthTest : public ::testing::TestWithParam<BadLengthCase> {};

TEST_P(MakeRowBadLengthTest, ThrowsBadArrayNewLength) {
    EXPECT_THROW(make_row(GetParam().length, {1, 2, 3, 4}), std::bad_array_new_length);
}

INSTANTIATE_TEST_SUITE_P(Lengths, MakeRowBadLengthTest,
                         ::testing::Values(BadLengthCase{"ShorterThanTheInitialValues", 2},
                                           BadLengthCase{"Zero", 0}, BadLengthCase{"MinusOne", -1},
                                           BadLengthCase{"Least", kLeast},
                                           BadLengthCase{"SizeBeyondSigned32Bits", 0x20000000},
                                           BadLengthCase{"Greatest", kGreatest}),
                         CaseName());

}  // namespace
