#ifndef TESTS_COUNTING_NEW_H
#define TESTS_COUNTING_NEW_H

#include <cstddef>

// The test executable that links counting_new.cpp replaces the global operator new and
// operator delete (single and array forms) with versions that count their calls and can be
// told to fail. Counting is off until an AllocationWatch is made, so GoogleTest's own
// allocations between tests do not show.

struct AllocationCounts {
    std::size_t news = 0;           // calls of operator new
    std::size_t deletes = 0;        // calls of operator delete on a non-null pointer
    std::size_t array_news = 0;     // calls of operator new[]
    std::size_t array_deletes = 0;  // calls of operator delete[] on a non-null pointer
};

// Counts the allocations made while it lives; only one may live at a time.
class AllocationWatch {
public:
    AllocationWatch();
    AllocationWatch(const AllocationWatch&) = delete;
    AllocationWatch& operator=(const AllocationWatch&) = delete;
    ~AllocationWatch();

    // The counts so far. Take them before asserting: a failing assertion allocates.
    AllocationCounts counts() const;

    // Makes the next call of operator new or operator new[] throw std::bad_alloc.
    void fail_next_allocation();
};

#endif  // TESTS_COUNTING_NEW_H
