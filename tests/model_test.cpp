// Model-based tests: long random sequences of operations, run on the real structures and on
// a plain std::vector model side by side, compared after every step. The seeds are fixed,
// so a run is repeatable; a failure names its seed and the shortest failing sequence found.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "concat_lists/linked_list.h"
#include "jagged_sum/jagged_array.h"
#include "reverse_list/linked_list.h"
#include "tests/shrink.h"
#include "tests/stdout_capture.h"

namespace {

constexpr std::size_t kSteps = 2000;

// A repeatable source of random numbers: for one seed, the same numbers on every platform.
class Random {
public:
    explicit Random(std::uint32_t seed) : engine_(seed) {}

    // A number from 0 to `bound` - 1.
    std::uint32_t below(std::uint32_t bound) {
        return next() % bound;
    }

    // Any 32-bit signed number.
    std::int32_t any_int32() {
        return static_cast<std::int32_t>(next());
    }

private:
    std::uint32_t next() {
        return static_cast<std::uint32_t>(engine_());
    }

    std::mt19937 engine_;
};

// One node as the model knows it: where the real node is, and the item it must hold.
struct ModelNode {
    const Node* address;
    std::int32_t item;
};

// Compares the chain from `front` with `model`, node for node; returns the first
// difference, or "" when there is none. Never walks further than one node past the model,
// so a chain closed into a ring is reported rather than followed forever.
std::string compare_chain(const Node* front, const std::vector<ModelNode>& model) {
    const Node* node = front;
    for (std::size_t i = 0; i < model.size(); ++i, node = node->link) {
        if (node != model[i].address) {
            return "node " + std::to_string(i) + " is not the one the model expects";
        }
        if (node->item != model[i].item) {
            return "node " + std::to_string(i) + " holds " + std::to_string(node->item) +
                   ", the model " + std::to_string(model[i].item);
        }
    }
    return node == nullptr ? "" : "the chain goes on past the model's last node";
}

// Says that step `index`, `step`, wrote `written` where the model expects `expected`.
std::string output_difference(std::size_t index, const std::string& step,
                              const std::string& written, const std::string& expected) {
    std::ostringstream text;
    text << "step " << index << " (" << step << ") wrote \"" << written << "\", the model \""
         << expected << "\"";
    return text.str();
}

// A failure report: the seed, what went wrong, and the whole shortest sequence, one step a
// line.
template <class Step>
std::string report(std::uint32_t seed, const std::vector<Step>& steps, const std::string& what) {
    std::ostringstream text;
    text << "seed " << seed << ": " << what << "\nshortest failing sequence found (" << steps.size()
         << " steps):\n";
    for (const Step& step : steps) {
        text << "  " << step.describe() << "\n";
    }
    return text.str();
}

// Runs the steps made by `generate(seed)` with `run`; on a failure, shrinks the steps and
// reports the seed and the shortest failing sequence.
template <class Generate, class Run>
void check_model(std::uint32_t seed, const Generate& generate, const Run& run) {
    const auto steps = generate(seed);
    if (run(steps).empty()) {
        return;
    }
    const auto shortest = shrink(steps, [&run](const auto& some) { return !run(some).empty(); });
    ADD_FAILURE() << report(seed, shortest, run(shortest));
}

// --- concat_lists: several lists, front insertions, displays and joins ---

constexpr std::uint32_t kLists = 4;

struct ConcatStep {
    enum class Kind { kAdd, kDisplay, kJoin, kRenew };
    Kind kind;
    std::size_t list;   // the list added to, displayed or renewed; the first of a join
    std::size_t other;  // the second list of a join
    std::int32_t item;  // the item added

    [[nodiscard]] std::string describe() const {
        const std::string name = "lists[" + std::to_string(list) + "]";
        switch (kind) {
            case Kind::kAdd:
                return name + ".add_to_front(" + std::to_string(item) + ")";
            case Kind::kDisplay:
                return name + ".display()";
            case Kind::kJoin:
                return "Concatenate_linked_lists(" + name + ", lists[" + std::to_string(other) +
                       "])";
            case Kind::kRenew:
                return name + " = a new LinkedList";
        }
        return "?";
    }
};

std::vector<ConcatStep> concat_steps(std::uint32_t seed) {
    Random random(seed);
    std::vector<ConcatStep> steps;
    steps.reserve(kSteps);
    for (std::size_t i = 0; i < kSteps; ++i) {
        const std::uint32_t roll = random.below(100);
        const ConcatStep::Kind kind = roll < 50   ? ConcatStep::Kind::kAdd
                                      : roll < 65 ? ConcatStep::Kind::kDisplay
                                      : roll < 95 ? ConcatStep::Kind::kJoin
                                                  : ConcatStep::Kind::kRenew;
        steps.push_back(
            ConcatStep{kind, random.below(kLists), random.below(kLists), random.any_int32()});
    }
    return steps;
}

// Whether `model` reaches the node at `address`.
bool reaches(const std::vector<ModelNode>& model, const Node* address) {
    return std::ranges::any_of(
        model, [address](const ModelNode& node) { return node.address == address; });
}

// Runs `steps` on real lists and on the model; returns the first difference, or "".
std::string run_concat_steps(const std::vector<ConcatStep>& steps) {
    StdoutCapture out;
    std::array<std::unique_ptr<LinkedList>, kLists> lists;
    std::array<std::vector<ModelNode>, kLists> model;
    for (auto& list : lists) {
        list = std::make_unique<LinkedList>();
    }

    for (std::size_t s = 0; s < steps.size(); ++s) {
        const ConcatStep& step = steps[s];
        LinkedList& list = *lists[step.list];
        std::vector<ModelNode>& listed = model[step.list];
        std::string expected;
        out.clear();

        switch (step.kind) {
            case ConcatStep::Kind::kAdd:
                list.add_to_front(step.item);
                listed.insert(listed.begin(), ModelNode{list.front, step.item});
                expected = "New node added with value: " + std::to_string(step.item) + "\n";
                break;
            case ConcatStep::Kind::kDisplay:
                list.display();
                for (const ModelNode& node : listed) {
                    expected += std::to_string(node.item) + " ";
                }
                expected += "\n";
                break;
            case ConcatStep::Kind::kJoin: {
                const std::vector<ModelNode> second = model[step.other];
                const Node* const second_front = second.empty() ? nullptr : second[0].address;
                if (listed.empty()) {
                    listed = second;
                } else if (!reaches(listed, second_front)) {
                    const Node* const last = listed.back().address;
                    if (reaches(second, last)) {
                        // The second list already reaches the first's last node through a
                        // shared tail: a ring that the join does not detect. No caller may
                        // ask for it, so the sequence skips it.
                        continue;
                    }
                    // Every list that ends in that node now goes on into the second list.
                    for (std::vector<ModelNode>& other : model) {
                        if (!other.empty() && other.back().address == last) {
                            other.insert(other.end(), second.begin(), second.end());
                        }
                    }
                    expected = "Concatenated.\n";
                }
                // Otherwise the join would close a ring and is refused.
                Concatenate_linked_lists(list, *lists[step.other]);
                break;
            }
            case ConcatStep::Kind::kRenew:
                lists[step.list] = std::make_unique<LinkedList>();
                listed.clear();
                break;
        }

        const std::string& written = out.text();
        if (written != expected) {
            return output_difference(s, step.describe(), written, expected);
        }
        for (std::size_t l = 0; l < kLists; ++l) {
            const std::string difference = compare_chain(lists[l]->front, model[l]);
            if (!difference.empty()) {
                return "after step " + std::to_string(s) + " (" + step.describe() + "), lists[" +
                       std::to_string(l) + "]: " + difference;
            }
        }
    }
    return "";
}

class ModelTest : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(ModelTest, ConcatListsAgreesWithTheModel) {
    check_model(GetParam(), concat_steps, run_concat_steps);
}

// --- reverse_list: one list, head insertions, displays and reversals ---

struct ReverseStep {
    enum class Kind { kAdd, kDisplay, kReverse };
    Kind kind;
    std::int32_t item;  // the item added

    [[nodiscard]] std::string describe() const {
        switch (kind) {
            case Kind::kAdd:
                return "list.add_to_head(" + std::to_string(item) + ")";
            case Kind::kDisplay:
                return "list.display()";
            case Kind::kReverse:
                return "list.reverse()";
        }
        return "?";
    }
};

std::vector<ReverseStep> reverse_steps(std::uint32_t seed) {
    Random random(seed);
    std::vector<ReverseStep> steps;
    steps.reserve(kSteps);
    for (std::size_t i = 0; i < kSteps; ++i) {
        const std::uint32_t roll = random.below(100);
        const ReverseStep::Kind kind = roll < 60   ? ReverseStep::Kind::kAdd
                                       : roll < 75 ? ReverseStep::Kind::kDisplay
                                                   : ReverseStep::Kind::kReverse;
        steps.push_back(ReverseStep{kind, random.any_int32()});
    }
    return steps;
}

// Runs `steps` on a real list and on the model; returns the first difference, or "".
std::string run_reverse_steps(const std::vector<ReverseStep>& steps) {
    StdoutCapture out;
    Linked_list list;
    std::vector<ModelNode> model;

    for (std::size_t s = 0; s < steps.size(); ++s) {
        const ReverseStep& step = steps[s];
        std::string expected;
        out.clear();

        switch (step.kind) {
            case ReverseStep::Kind::kAdd:
                list.add_to_head(step.item);
                model.insert(model.begin(), ModelNode{list.front, step.item});
                break;
            case ReverseStep::Kind::kDisplay:
                list.display();
                for (const ModelNode& node : model) {
                    expected += "-> " + std::to_string(node.item);
                }
                expected += "\n";
                break;
            case ReverseStep::Kind::kReverse:
                list.reverse();
                model = std::vector<ModelNode>(model.rbegin(), model.rend());
                break;
        }

        const std::string& written = out.text();
        if (written != expected) {
            return output_difference(s, step.describe(), written, expected);
        }
        std::string difference = compare_chain(list.front, model);
        if (difference.empty() && list.node_count != model.size()) {
            difference = "node_count is " + std::to_string(list.node_count) + ", the model " +
                         std::to_string(model.size());
        }
        if (!difference.empty()) {
            return "after step " + std::to_string(s) + " (" + step.describe() + "): " + difference;
        }
    }
    return "";
}

TEST_P(ModelTest, ReverseListAgreesWithTheModel) {
    check_model(GetParam(), reverse_steps, run_reverse_steps);
}

// --- jagged_sum: random jagged arrays against a 64-bit reference ---

// One random jagged array: the elements of each row, and the lengths handed on with them.
// A row whose length is 0 or below has no elements.
struct JaggedCase {
    std::vector<std::vector<std::int32_t>> rows;
    std::vector<std::int32_t> lengths;

    [[nodiscard]] std::string describe() const {
        std::ostringstream text;
        text << "rows of lengths";
        for (const std::int32_t length : lengths) {
            text << " " << length;
        }
        text << ":";
        for (const std::vector<std::int32_t>& row : rows) {
            text << " {";
            for (const std::int32_t element : row) {
                text << " " << element;
            }
            text << " }";
        }
        return text.str();
    }
};

constexpr std::size_t kArrays = 500;

std::vector<JaggedCase> jagged_cases(std::uint32_t seed) {
    Random random(seed);
    std::vector<JaggedCase> cases(kArrays);
    for (JaggedCase& c : cases) {
        const std::uint32_t row_count = random.below(12);
        for (std::uint32_t r = 0; r < row_count; ++r) {
            const std::int32_t length = static_cast<std::int32_t>(random.below(54)) - 3;
            std::vector<std::int32_t> row(static_cast<std::size_t>(std::max(length, 0)));
            std::generate(row.begin(), row.end(), [&random] { return random.any_int32(); });
            c.rows.push_back(row);
            c.lengths.push_back(length);
        }
    }
    return cases;
}

// Sums one array with recursiveArraySum and with 64-bit arithmetic reduced modulo 2^32;
// returns the difference, or "".
std::string compare_sum(const JaggedCase& c) {
    std::vector<const std::int32_t*> pointers;
    std::int64_t reference = 0;
    for (const std::vector<std::int32_t>& row : c.rows) {
        // A row of no length is handed on as null: the sum must not follow it.
        pointers.push_back(row.empty() ? nullptr : row.data());
        for (const std::int32_t element : row) {
            reference += element;
        }
    }
    // A row past the last one must never be read: a null row that claims many elements.
    std::vector<std::int32_t> lengths = c.lengths;
    pointers.push_back(nullptr);
    lengths.push_back(1000);

    const auto last_row = static_cast<std::int32_t>(c.rows.size()) - 1;
    const std::int32_t sum = recursiveArraySum(pointers.data(), lengths.data(), last_row);
    const auto expected = static_cast<std::int32_t>(static_cast<std::uint32_t>(reference));
    if (sum == expected) {
        return "";
    }
    return c.describe() + ": recursiveArraySum gave " + std::to_string(sum) + ", the reference " +
           std::to_string(expected);
}

// Sums every array both ways; returns the first difference, or "".
std::string run_jagged_cases(const std::vector<JaggedCase>& cases) {
    for (const JaggedCase& c : cases) {
        std::string difference = compare_sum(c);
        if (!difference.empty()) {
            return difference;
        }
    }
    return "";
}

TEST_P(ModelTest, RecursiveArraySumAgreesWithTheReference) {
    check_model(GetParam(), jagged_cases, run_jagged_cases);
}

INSTANTIATE_TEST_SUITE_P(Seeds, ModelTest, ::testing::Values(1U, 2U, 3U));

}  // namespace
