#ifndef TESTS_COUNTING_NEW_H
#define TESTS_COUNTING_NEW_H

#include <cstddef>

// The test executable that links counting_new.cpp replaces the global operator new and
// operator delete (single and array forms) with versions that report to the live
// AllocationWatch. With no watch alive they only allocate, so GoogleTest's own allocations
// between tests do not show. Every new block is filled with the byte 0xA5, watch or not.

struct AllocationCounts {
    std::size_t news = 0;           // calls of operator new
    std::size_t deletes = 0;        // calls of operator delete on a non-null pointer
    std::size_t array_news = 0;     // calls of operator new[]
    std::size_t array_deletes = 0;  // calls of operator delete[] on a non-null pointer
};

// Counts the allocations made while it lives; only one may live at a time. Copy `counts`
// out before asserting on it: a failing assertion allocates too.
class AllocationWatch {
public:
    AllocationWatch();
    AllocationWatch(const AllocationWatch&) = delete;
    AllocationWatch& operator=(const AllocationWatch&) = delete;
    ~AllocationWatch();

    AllocationCounts counts;
    bool fail_next_allocation = false;  // when set, the next allocation throws std::bad_alloc
};

#endif  // TESTS_COUNTING_NEW_H
