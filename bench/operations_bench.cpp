// Each list and sum operation side by side with the standard library's closest
// counterpart, on the same data built the same way. Names pair up as BM_<operation>_Ours and
// BM_<operation>_Std; bench/compare_operations.py prints the ratios of their medians.

#include <benchmark/benchmark.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <forward_list>
#include <iostream>
#include <iterator>
#include <numeric>
#include <streambuf>
#include <vector>

#include "concat_lists/linked_list.h"
#include "jagged_sum/jagged_array.h"
#include "reverse_list/linked_list.h"

namespace {

// A stream buffer that throws away what it is given, so that display costs its formatting
// and its walk, and no I/O.
class DiscardingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type ch) override {
        return traits_type::not_eof(ch);
    }
    std::streamsize xsputn(const char* /*text*/, std::streamsize count) override {
        return count;
    }
};

// Points std::cout at a DiscardingBuffer while it lives.
class DiscardedStdout {
public:
    DiscardedStdout() : previous_(std::cout.rdbuf(&buffer_)) {}
    DiscardedStdout(const DiscardedStdout&) = delete;
    DiscardedStdout& operator=(const DiscardedStdout&) = delete;
    ~DiscardedStdout() {
        std::cout.rdbuf(previous_);
    }

private:
    DiscardingBuffer buffer_;
    std::streambuf* previous_;
};

// The lists never free their nodes; the benchmarks do, so that repeated runs do not pile up
// memory, as std::forward_list's destructor does for its side.
void release_chain(Node* node) {
    while (node != nullptr) {
        Node* const following = node->link;
        delete node;
        node = following;
    }
}

std::int32_t item_at(std::int64_t index) {
    return static_cast<std::int32_t>(index % 1000);
}

// Fills each kind of list with n items through its own front insertion.
void fill(LinkedList& list, std::int64_t n) {
    for (std::int64_t i = 0; i < n; ++i) {
        list.add_to_front(item_at(i));
    }
}

void fill(Linked_list& list, std::int64_t n) {
    for (std::int64_t i = 0; i < n; ++i) {
        list.add_to_head(item_at(i));
    }
}

void fill(std::forward_list<std::int32_t>& list, std::int64_t n) {
    for (std::int64_t i = 0; i < n; ++i) {
        list.push_front(item_at(i));
    }
}

void sizes(benchmark::internal::Benchmark* bench) {
    bench->RangeMultiplier(4)->Range(1 << 10, 1 << 20)->Complexity();
}

void BM_AddToHead_Ours(benchmark::State& state) {
    for (auto _ : state) {
        Linked_list list;
        for (std::int64_t i = 0; i < state.range(0); ++i) {
            list.add_to_head(item_at(i));
        }
        benchmark::DoNotOptimize(list.front);
        release_chain(list.front);
    }
    state.SetComplexityN(state.range(0));
}

void BM_AddToHead_Std(benchmark::State& state) {
    for (auto _ : state) {
        std::forward_list<std::int32_t> list;
        for (std::int64_t i = 0; i < state.range(0); ++i) {
            list.push_front(item_at(i));
        }
        benchmark::DoNotOptimize(list.begin());
    }
    state.SetComplexityN(state.range(0));
}

void BM_Reverse_Ours(benchmark::State& state) {
    Linked_list list;
    fill(list, state.range(0));
    for (auto _ : state) {
        list.reverse();
        benchmark::DoNotOptimize(list.front);
    }
    state.SetComplexityN(state.range(0));
    release_chain(list.front);
}

void BM_Reverse_Std(benchmark::State& state) {
    std::forward_list<std::int32_t> list;
    fill(list, state.range(0));
    for (auto _ : state) {
        list.reverse();
        benchmark::DoNotOptimize(list.begin());
    }
    state.SetComplexityN(state.range(0));
}

// Joins a one-node list behind n nodes, then unlinks it again, which costs O(1) on both sides.
void BM_Join_Ours(benchmark::State& state) {
    const DiscardedStdout discarded;
    LinkedList first_list;
    LinkedList second_list;
    second_list.add_to_front(0);
    fill(first_list, state.range(0));
    Node* last = first_list.front;
    while (last->link != nullptr) {
        last = last->link;
    }
    for (auto _ : state) {
        Concatenate_linked_lists(first_list, second_list);
        benchmark::DoNotOptimize(last->link);
        last->link = nullptr;
    }
    state.SetComplexityN(state.range(0));
    release_chain(first_list.front);
    release_chain(second_list.front);
}

// A walk to the last element and splice_after; it writes the same line as ours does.
void BM_Join_Std(benchmark::State& state) {
    const DiscardedStdout discarded;
    std::forward_list<std::int32_t> first_list;
    std::forward_list<std::int32_t> second_list{0};
    fill(first_list, state.range(0));
    for (auto _ : state) {
        auto last = first_list.before_begin();
        for (auto next = std::next(last); next != first_list.end(); ++next) {
            last = next;
        }
        first_list.splice_after(last, second_list);
        std::cout << "Concatenated.\n";
        benchmark::DoNotOptimize(first_list.begin());
        second_list.splice_after(second_list.before_begin(), first_list, last);
    }
    state.SetComplexityN(state.range(0));
}

// Either list's display, concat_lists' or reverse_list's.
template <class List>
void BM_Display_Ours(benchmark::State& state) {
    const DiscardedStdout discarded;
    List list;
    fill(list, state.range(0));
    for (auto _ : state) {
        list.display();
    }
    state.SetComplexityN(state.range(0));
    release_chain(list.front);
}

// The two forms of an item on a displayed line: concat_lists' and reverse_list's.
void write_spaced(std::int32_t item) {
    std::cout << item << ' ';
}

void write_arrowed(std::int32_t item) {
    std::cout << "-> " << item;
}

// The same loop as a display, over a std::forward_list.
template <void (*write_item)(std::int32_t)>
void BM_Display_Std(benchmark::State& state) {
    const DiscardedStdout discarded;
    std::forward_list<std::int32_t> list;
    fill(list, state.range(0));
    for (auto _ : state) {
        for (const std::int32_t item : list) {
            write_item(item);
        }
        std::cout << std::endl;
    }
    state.SetComplexityN(state.range(0));
}

// An R x C jagged array of n elements, as near square as powers of two allow.
struct JaggedBench {
    explicit JaggedBench(std::int64_t n) {
        const auto columns = static_cast<std::int32_t>(1)
                             << (std::ilogb(static_cast<double>(n)) / 2);
        const auto row_count = static_cast<std::int32_t>(n / columns);
        for (std::int32_t r = 0; r < row_count; ++r) {
            rows.emplace_back(static_cast<std::size_t>(columns));
            std::iota(rows.back().begin(), rows.back().end(), r);
            pointers.push_back(rows.back().data());
            lengths.push_back(columns);
        }
    }

    std::vector<std::vector<std::int32_t>> rows;
    std::vector<const std::int32_t*> pointers;
    std::vector<std::int32_t> lengths;
};

// Adds the `length` elements from `row` to `total`, wrapping as recursiveArraySum does.
std::uint32_t add_row(std::uint32_t total, const std::int32_t* row, std::int32_t length) {
    return std::accumulate(row, row + length, total, [](std::uint32_t sum, std::int32_t element) {
        return sum + static_cast<std::uint32_t>(element);
    });
}

void BM_Sum_Ours(benchmark::State& state) {
    const JaggedBench array(state.range(0));
    const auto last_row = static_cast<std::int32_t>(array.rows.size()) - 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            recursiveArraySum(array.pointers.data(), array.lengths.data(), last_row));
    }
    state.SetComplexityN(state.range(0));
}

// std::accumulate row by row, visiting the rows in the order of the recursion: from the
// last row down to row 0, each row from its first element on.
void BM_Sum_Std(benchmark::State& state) {
    const JaggedBench array(state.range(0));
    for (auto _ : state) {
        std::uint32_t total = 0;
        for (std::size_t r = array.rows.size(); r-- > 0;) {
            total = add_row(total, array.pointers[r], array.lengths[r]);
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetComplexityN(state.range(0));
}

// The same, visiting the rows from row 0 up: the order that suits the hardware prefetchers
// best when the rows lie in memory in their own order, as here.
void BM_SumAscending_Std(benchmark::State& state) {
    const JaggedBench array(state.range(0));
    for (auto _ : state) {
        std::uint32_t total = 0;
        for (std::size_t r = 0; r < array.rows.size(); ++r) {
            total = add_row(total, array.pointers[r], array.lengths[r]);
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(BM_AddToHead_Ours)->Apply(sizes);
BENCHMARK(BM_AddToHead_Std)->Apply(sizes);
BENCHMARK(BM_Reverse_Ours)->Apply(sizes);
BENCHMARK(BM_Reverse_Std)->Apply(sizes);
BENCHMARK(BM_Join_Ours)->Apply(sizes);
BENCHMARK(BM_Join_Std)->Apply(sizes);
BENCHMARK(BM_Display_Ours<LinkedList>)->Name("BM_DisplaySpaced_Ours")->Apply(sizes);
BENCHMARK(BM_Display_Std<write_spaced>)->Name("BM_DisplaySpaced_Std")->Apply(sizes);
BENCHMARK(BM_Display_Ours<Linked_list>)->Name("BM_DisplayArrows_Ours")->Apply(sizes);
BENCHMARK(BM_Display_Std<write_arrowed>)->Name("BM_DisplayArrows_Std")->Apply(sizes);
BENCHMARK(BM_Sum_Ours)->Apply(sizes);
BENCHMARK(BM_Sum_Std)->Apply(sizes);
BENCHMARK(BM_Sum_Ours)->Name("BM_SumAscending_Ours")->Apply(sizes);
BENCHMARK(BM_SumAscending_Std)->Apply(sizes);

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // Without glibc's fast bins, more of the nodes a benchmark frees merge back into larger
    // free blocks, so lists are mostly built from consecutive addresses, whichever benchmark
    // ran before. glibc's per-thread cache still recycles up to seven freed blocks of each
    // size; M_MXFAST does not turn it off. A node is 16 bytes, in a 32-byte block with the
    // allocator's header on x86-64 (8 bytes in a 16-byte block on 32-bit x86).
    mallopt(M_MXFAST, 0);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
