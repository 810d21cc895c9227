// Tests of the front-inserting list and the join of concat_lists, through what they write
// to standard output and the nodes they leave behind.

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "concat_lists/linked_list.h"
#include "tests/case_name.h"
#include "tests/stdout_capture.h"

namespace {

constexpr std::int32_t kLeast = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kGreatest = std::numeric_limits<std::int32_t>::max();

// Adds `items` to the front of `list`, in the order given.
void add_all(LinkedList& list, const std::vector<std::int32_t>& items) {
    for (const std::int32_t item : items) {
        list.add_to_front(item);
    }
}

class LinkedListTest : public ::testing::Test {
protected:
    StdoutCapture out;
};

TEST_F(LinkedListTest, NewListIsEmptyAndDisplaysAnEmptyLine) {
    const LinkedList list;
    EXPECT_EQ(list.front, nullptr);

    list.display();
    EXPECT_EQ(out.text(), "\n");
    EXPECT_EQ(out.flushed_length(), 1U);
}

TEST_F(LinkedListTest, FirstAdditionMakesTheOnlyNode) {
    LinkedList list;
    list.add_to_front(3);

    ASSERT_NE(list.front, nullptr);
    EXPECT_EQ(list.front->item, 3);
    EXPECT_EQ(list.front->link, nullptr);
    EXPECT_EQ(out.display_of(list), "3 \n");
}

TEST_F(LinkedListTest, EveryAdditionWritesAndFlushesItsOwnLine) {
    struct Addition {
        std::int32_t item;
        const char* line;
    };
    const Addition additions[] = {{3, "New node added with value: 3\n"},
                                  {2, "New node added with value: 2\n"},
                                  {1, "New node added with value: 1\n"}};
    LinkedList list;
    std::string expected;
    for (const Addition& addition : additions) {
        list.add_to_front(addition.item);
        expected += addition.line;
        EXPECT_EQ(out.text(), expected);
        EXPECT_EQ(out.flushed_length(), expected.size()) << "line of " << addition.item;
    }
    EXPECT_EQ(out.display_of(list), "1 2 3 \n");
}

TEST_F(LinkedListTest, DisplayLeavesTheListAsItWas) {
    LinkedList list;
    add_all(list, {3, 2, 1});
    const Node* const front = list.front;

    EXPECT_EQ(out.display_of(list), "1 2 3 \n");
    EXPECT_EQ(out.display_of(list), "1 2 3 \n");
    EXPECT_EQ(list.front, front);
}

struct WrittenCase {
    const char* name;
    std::vector<std::int32_t> added;  // in the order of addition
    std::string insertion_lines;
    std::string display_line;
};

class LinkedListWritesTest : public ::testing::TestWithParam<WrittenCase> {
protected:
    StdoutCapture out;
};

TEST_P(LinkedListWritesTest, InsertionLinesAndDisplay) {
    const WrittenCase& c = GetParam();
    LinkedList list;
    add_all(list, c.added);
    EXPECT_EQ(out.text(), c.insertion_lines);

    out.clear();
    list.display();
    EXPECT_EQ(out.text(), c.display_line);
}

INSTANTIATE_TEST_SUITE_P(
    Items, LinkedListWritesTest,
    ::testing::Values(WrittenCase{"Negative", {-7}, "New node added with value: -7\n", "-7 \n"},
                      WrittenCase{"Extremes",
                                  {kLeast, kGreatest},
                                  "New node added with value: -2147483648\n"
                                  "New node added with value: 2147483647\n",
                                  "2147483647 -2147483648 \n"},
                      WrittenCase{"EqualItemsAreKeptApart",
                                  {5, 0, 5},
                                  "New node added with value: 5\n"
                                  "New node added with value: 0\n"
                                  "New node added with value: 5\n",
                                  "5 0 5 \n"}),
    CaseName());

// The join, in each shape that the two lists can have.
struct JoinCase {
    const char* name;
    std::vector<std::int32_t> first_added;
    std::vector<std::int32_t> second_added;
    std::string join_output;
    std::string first_after;
    std::string second_after;
};

class ConcatenateShapesTest : public ::testing::TestWithParam<JoinCase> {
protected:
    StdoutCapture out;
};

TEST_P(ConcatenateShapesTest, JoinsWritesAndLeavesTheSecondListAlone) {
    const JoinCase& c = GetParam();
    LinkedList first_list;
    LinkedList second_list;
    add_all(first_list, c.first_added);
    add_all(second_list, c.second_added);
    const Node* const second_front = second_list.front;
    out.clear();

    Concatenate_linked_lists(first_list, second_list);
    EXPECT_EQ(out.text(), c.join_output);
    EXPECT_EQ(out.flushed_length(), 0U) << "the join's own newline must not flush";
    EXPECT_EQ(second_list.front, second_front);

    out.clear();
    first_list.display();
    second_list.display();
    EXPECT_EQ(out.text(), c.first_after + c.second_after);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ConcatenateShapesTest,
    ::testing::Values(
        JoinCase{
            "BothFilled", {3, 2, 1}, {6, 5, 4}, "Concatenated.\n", "1 2 3 4 5 6 \n", "4 5 6 \n"},
        JoinCase{"FirstEmpty", {}, {6, 5, 4}, "", "4 5 6 \n", "4 5 6 \n"},
        JoinCase{"SecondEmpty", {3, 2, 1}, {}, "Concatenated.\n", "1 2 3 \n", "\n"},
        JoinCase{"BothEmpty", {}, {}, "", "\n", "\n"},
        JoinCase{"FirstHasOneNode", {1}, {6, 5, 4}, "Concatenated.\n", "1 4 5 6 \n", "4 5 6 \n"}),
    CaseName());

class ConcatenateTest : public LinkedListTest {
protected:
    void SetUp() override {
        add_all(first_list, {3, 2, 1});
        add_all(second_list, {6, 5, 4});
        out.clear();
    }

    LinkedList first_list;
    LinkedList second_list;
};

TEST_F(ConcatenateTest, RelinksTheVeryNodesOfTheSecondList) {
    Node* const last_of_first = first_list.front->link->link;
    Concatenate_linked_lists(first_list, second_list);

    EXPECT_EQ(last_of_first->link, second_list.front);
}

TEST_F(ConcatenateTest, OntoAnEmptyListSharesTheFront) {
    LinkedList empty_list;
    Concatenate_linked_lists(empty_list, second_list);

    EXPECT_EQ(empty_list.front, second_list.front);
    EXPECT_EQ(out.text(), "");
}

TEST_F(ConcatenateTest, LaterAdditionToTheSecondListIsNotSeenFromTheFirst) {
    Concatenate_linked_lists(first_list, second_list);
    second_list.add_to_front(9);

    EXPECT_EQ(out.display_of(second_list), "9 4 5 6 \n");
    EXPECT_EQ(out.display_of(first_list), "1 2 3 4 5 6 \n");
}

TEST_F(ConcatenateTest, LaterJoinBehindTheSharedNodesIsSeenFromBoth) {
    Concatenate_linked_lists(first_list, second_list);
    LinkedList third_list;
    add_all(third_list, {8, 7});
    out.clear();

    Concatenate_linked_lists(first_list, third_list);
    EXPECT_EQ(out.text(), "Concatenated.\n");
    EXPECT_EQ(out.display_of(first_list), "1 2 3 4 5 6 7 8 \n");
    EXPECT_EQ(out.display_of(second_list), "4 5 6 7 8 \n");
}

// Joins that would close a chain into a ring are refused: nothing changes and nothing is
// written, and both lists still display finitely.
TEST_F(ConcatenateTest, RefusesTheSameListHandedTwice) {
    const Node* const last = first_list.front->link->link;
    Concatenate_linked_lists(first_list, first_list);

    ASSERT_EQ(last->link, nullptr) << "the chain was closed into a ring";
    EXPECT_EQ(out.text(), "");
    EXPECT_EQ(out.display_of(first_list), "1 2 3 \n");
}

TEST_F(ConcatenateTest, RefusesTheSameJoinMadeTwice) {
    Concatenate_linked_lists(first_list, second_list);
    const Node* const last = second_list.front->link->link;
    out.clear();

    Concatenate_linked_lists(first_list, second_list);
    ASSERT_EQ(last->link, nullptr) << "the chain was closed into a ring";
    EXPECT_EQ(out.text(), "");
    EXPECT_EQ(out.display_of(first_list), "1 2 3 4 5 6 \n");
    EXPECT_EQ(out.display_of(second_list), "4 5 6 \n");
}

TEST_F(ConcatenateTest, RefusesAJoinOfTheLastNodeOntoItsOwnList) {
    // The second list is a single node that already ends the first list.
    LinkedList tail;
    add_all(tail, {7});
    Concatenate_linked_lists(first_list, tail);
    out.clear();

    Concatenate_linked_lists(first_list, tail);
    ASSERT_EQ(tail.front->link, nullptr) << "the chain was closed into a ring";
    EXPECT_EQ(out.text(), "");
    EXPECT_EQ(out.display_of(first_list), "1 2 3 7 \n");
}

}  // namespace
