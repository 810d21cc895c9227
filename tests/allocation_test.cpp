// Allocation discipline of the list operations and the row construction, counted by the
// replaced global operator new of counting_new.cpp.

#include <cstdint>
#include <new>
#include <vector>

#include <gtest/gtest.h>

#include "concat_lists/linked_list.h"
#include "jagged_sum/jagged_array.h"
#include "reverse_list/linked_list.h"
#include "tests/counting_new.h"
#include "tests/stdout_capture.h"

namespace {

class ConcatListsAllocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const std::int32_t item : {3, 2, 1}) {
            first_list.add_to_front(item);
        }
        for (const std::int32_t item : {6, 5, 4}) {
            second_list.add_to_front(item);
        }
        out.clear();
    }

    StdoutCapture out;
    LinkedList first_list;
    LinkedList second_list;
};

TEST_F(ConcatListsAllocationTest, AddToFrontAllocatesExactlyOneNode) {
    AllocationWatch watch;
    first_list.add_to_front(0);
    const AllocationCounts counts = watch.counts;

    EXPECT_EQ(counts.news, 1U);
    EXPECT_EQ(counts.array_news, 0U);
    EXPECT_EQ(counts.deletes, 0U);
}

TEST_F(ConcatListsAllocationTest, DisplayAndJoinAllocateNothing) {
    AllocationWatch watch;
    first_list.display();
    Concatenate_linked_lists(first_list, second_list);
    first_list.display();
    const AllocationCounts counts = watch.counts;

    EXPECT_EQ(counts.news + counts.array_news, 0U);
    EXPECT_EQ(counts.deletes + counts.array_deletes, 0U);
    EXPECT_EQ(out.text(), "1 2 3 \nConcatenated.\n1 2 3 4 5 6 \n");
}

TEST_F(ConcatListsAllocationTest, FailedAllocationLeavesTheListAndOutputAlone) {
    const Node* const front = first_list.front;
    AllocationWatch watch;
    watch.fail_next_allocation = true;

    EXPECT_THROW(first_list.add_to_front(9), std::bad_alloc);
    EXPECT_EQ(first_list.front, front);
    EXPECT_EQ(out.text(), "");
    first_list.display();
    EXPECT_EQ(out.text(), "1 2 3 \n");
}

class ReverseListAllocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const std::int32_t item : {10, 20, 30}) {
            list.add_to_head(item);
        }
    }

    StdoutCapture out;
    Linked_list list;
};

TEST_F(ReverseListAllocationTest, AddToHeadAllocatesExactlyOneNode) {
    AllocationWatch watch;
    list.add_to_head(40);
    const AllocationCounts counts = watch.counts;

    EXPECT_EQ(counts.news, 1U);
    EXPECT_EQ(counts.array_news, 0U);
    EXPECT_EQ(counts.deletes, 0U);
}

TEST_F(ReverseListAllocationTest, DisplayAndReverseAllocateNothing) {
    AllocationWatch watch;
    list.display();
    list.reverse();
    list.display();
    const AllocationCounts counts = watch.counts;

    EXPECT_EQ(counts.news + counts.array_news, 0U);
    EXPECT_EQ(counts.deletes + counts.array_deletes, 0U);
    EXPECT_EQ(out.text(), "-> 30-> 20-> 10\n-> 10-> 20-> 30\n");
}

TEST_F(ReverseListAllocationTest, FailedAllocationLeavesFrontAndCountAlone) {
    const Node* const front = list.front;
    AllocationWatch watch;
    watch.fail_next_allocation = true;

    EXPECT_THROW(list.add_to_head(40), std::bad_alloc);
    EXPECT_EQ(list.front, front);
    EXPECT_EQ(list.node_count, 3U);
}

TEST(MakeRowAllocation, ARowIsOneArrayBlock) {
    AllocationCounts counts;
    std::int32_t sum = 0;
    {
        AllocationWatch watch;
        std::int32_t* const row = make_row(3, {5, 6, 7});
        sum = row[0] + row[1] + row[2];
        delete[] row;
        counts = watch.counts;
    }
    EXPECT_EQ(sum, 18);
    EXPECT_EQ(counts.array_news, 1U);
    EXPECT_EQ(counts.array_deletes, 1U);
    EXPECT_EQ(counts.news, 0U);
}

TEST(MakeRowAllocation, ElementsAfterTheInitialValuesAreZeroWhateverTheBlockHeld) {
    // The replaced operator new[] hands out blocks full of 0xA5 bytes, not zeros.
    std::int32_t* const row = make_row(6, {1, 2, 3, 4});
    const std::vector<std::int32_t> elements(row, row + 6);
    delete[] row;
    EXPECT_EQ(elements, (std::vector<std::int32_t>{1, 2, 3, 4, 0, 0}));
}

// Lengths up to the bound pass the check before allocation and reach operator new[]; a
// failing allocator shows that without needing the 2 GiB that the bound itself would take.
TEST(MakeRowAllocation, LengthsUpToTheBoundReachTheAllocation) {
    for (const std::int32_t length : {0x1FFFFFFF, 0x10000000, 4}) {
        bool reached = false;
        {
            AllocationWatch watch;
            watch.fail_next_allocation = true;
            try {
                delete[] make_row(length, {1, 2, 3, 4});
            } catch (const std::bad_alloc&) {  // std::bad_array_new_length too
            }
            // The allocator clears the request when it fails an allocation.
            reached = !watch.fail_next_allocation;
        }
        EXPECT_TRUE(reached) << "length " << length << " was refused before the allocation";
    }
}

TEST(MakeRowAllocation, LengthOutOfRangeAllocatesNothing) {
    for (const std::int32_t length : {-1, 0x20000000}) {
        AllocationWatch watch;
        EXPECT_THROW(make_row(length, {1, 2, 3}), std::bad_array_new_length);
        const AllocationCounts counts = watch.counts;
        EXPECT_EQ(counts.array_news + counts.news, 0U) << "length " << length;
    }
}

TEST(MakeRowAllocation, RowTooShortReleasesItsBlock) {
    AllocationWatch watch;
    EXPECT_THROW(make_row(2, {5, 6, 7}), std::bad_array_new_length);
    const AllocationCounts counts = watch.counts;
    // An optimising compiler may leave out a block that is released without being used, so
    // the release is held to the allocation rather than to a count of one.
    EXPECT_LE(counts.array_news, 1U);
    EXPECT_EQ(counts.array_deletes, counts.array_news);
}

}  // namespace
