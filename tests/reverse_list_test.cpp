// Tests of the counted list of reverse_list: its arrow form on standard output and its
// reversal in place, node for node.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "reverse_list/linked_list.h"
#include "tests/case_name.h"
#include "tests/stdout_capture.h"

namespace {

constexpr std::int32_t kLeast = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kGreatest = std::numeric_limits<std::int32_t>::max();

// Adds `items` to the head of `list`, in the order given.
void add_all(Linked_list& list, const std::vector<std::int32_t>& items) {
    for (const std::int32_t item : items) {
        list.add_to_head(item);
    }
}

// The nodes of the chain that starts at `front`, in chain order.
std::vector<const Node*> chain_of(const Node* front) {
    std::vector<const Node*> nodes;
    for (const Node* node = front; node != nullptr; node = node->link) {
        nodes.push_back(node);
    }
    return nodes;
}

struct DisplayCase {
    const char* name;
    std::vector<std::int32_t> added;  // in the order of addition
    std::string line;
};

class LinkedListDisplayTest : public ::testing::TestWithParam<DisplayCase> {
protected:
    StdoutCapture out;
};

TEST_P(LinkedListDisplayTest, WritesTheArrowFormAndFlushesIt) {
    const DisplayCase& c = GetParam();
    Linked_list list;
    add_all(list, c.added);
    EXPECT_EQ(out.text(), "") << "add_to_head wrote something";

    list.display();
    EXPECT_EQ(out.text(), c.line);
    EXPECT_EQ(out.flushed_length(), c.line.size());
}

INSTANTIATE_TEST_SUITE_P(
    Lists, LinkedListDisplayTest,
    ::testing::Values(DisplayCase{"Empty", {}, "\n"}, DisplayCase{"OneNode", {7}, "-> 7\n"},
                      DisplayCase{"ThreeNodes", {10, 20, 30}, "-> 30-> 20-> 10\n"},
                      DisplayCase{"Negative", {-5, 3}, "-> 3-> -5\n"},
                      DisplayCase{
                          "Extremes", {kLeast, 0, kGreatest}, "-> 2147483647-> 0-> -2147483648\n"}),
    CaseName());

class LinkedListTest : public ::testing::Test {
protected:
    StdoutCapture out;
};

TEST_F(LinkedListTest, NewListIsEmpty) {
    const Linked_list list;
    EXPECT_EQ(list.front, nullptr);
    EXPECT_EQ(list.node_count, 0U);
}

TEST_F(LinkedListTest, AddToHeadCountsAndLinksEachNodeInFront) {
    Linked_list list;
    list.add_to_head(10);
    const Node* const first = list.front;
    list.add_to_head(20);

    EXPECT_EQ(list.node_count, 2U);
    EXPECT_EQ(list.front->item, 20);
    EXPECT_EQ(list.front->link, first);
    EXPECT_EQ(first->link, nullptr);
}

TEST_F(LinkedListTest, DisplayTwiceWritesTheSameLineTwice) {
    Linked_list list;
    add_all(list, {10, 20, 30});

    EXPECT_EQ(out.display_of(list), "-> 30-> 20-> 10\n");
    EXPECT_EQ(out.display_of(list), "-> 30-> 20-> 10\n");
}

TEST_F(LinkedListTest, ReverseTurnsTheLineAndASecondReverseTurnsItBack) {
    Linked_list list;
    add_all(list, {10, 20, 30});

    list.reverse();
    EXPECT_EQ(out.display_of(list), "-> 10-> 20-> 30\n");
    EXPECT_EQ(list.node_count, 3U);
    list.reverse();
    EXPECT_EQ(out.display_of(list), "-> 30-> 20-> 10\n");
}

TEST_F(LinkedListTest, ReverseWritesNothing) {
    Linked_list list;
    add_all(list, {1, 2});
    list.reverse();
    EXPECT_EQ(out.text(), "");
}

// Reversal of chains of several lengths, checked node for node against the chain before.
class LinkedListReverseTest : public ::testing::TestWithParam<std::size_t> {
protected:
    void SetUp() override {
        for (std::size_t i = 0; i < GetParam(); ++i) {
            list.add_to_head(static_cast<std::int32_t>(i * 7U) - 500);
        }
        before = chain_of(list.front);
        for (const Node* node : before) {
            items_before.push_back(node->item);
        }
    }

    StdoutCapture out;
    Linked_list list;
    std::vector<const Node*> before;
    std::vector<std::int32_t> items_before;
};

TEST_P(LinkedListReverseTest, TurnsTheLinksAndKeepsEveryNodeAndItem) {
    list.reverse();
    const std::vector<const Node*> after = chain_of(list.front);

    const std::vector<const Node*> expected(before.rbegin(), before.rend());
    EXPECT_EQ(after, expected);
    EXPECT_EQ(list.front, before.empty() ? nullptr : before.back());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(before[i]->item, items_before[i]) << "node " << i << " lost its item";
    }
    EXPECT_EQ(list.node_count, GetParam());
    EXPECT_EQ(out.text(), "");
}

TEST_P(LinkedListReverseTest, TwoReversalsRestoreTheChain) {
    list.reverse();
    list.reverse();
    EXPECT_EQ(chain_of(list.front), before);
    EXPECT_EQ(list.node_count, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Lengths, LinkedListReverseTest,
                         ::testing::Values(std::size_t{0}, std::size_t{1}, std::size_t{2},
                                           std::size_t{3}, std::size_t{10000}));

}  // namespace
