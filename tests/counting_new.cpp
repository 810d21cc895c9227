#include "tests/counting_new.h"

#include <cstdlib>
#include <new>

namespace {

// Plain globals: the tests run on one thread.
bool counting = false;
bool fail_next = false;
AllocationCounts counts_so_far;

void* allocate(std::size_t size, std::size_t& counter) {
    if (counting) {
        if (fail_next) {
            fail_next = false;
            throw std::bad_alloc();
        }
        ++counter;
    }
    // malloc(0) may return null; operator new must not.
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

void release(void* block, std::size_t& counter) noexcept {
    if (counting && block != nullptr) {
        ++counter;
    }
    std::free(block);
}

}  // namespace

AllocationWatch::AllocationWatch() {
    counts_so_far = AllocationCounts{};
    fail_next = false;
    counting = true;
}

AllocationWatch::~AllocationWatch() {
    counting = false;
    fail_next = false;
}

AllocationCounts AllocationWatch::counts() const {
    return counts_so_far;
}

void AllocationWatch::fail_next_allocation() {
    fail_next = true;
}

void* operator new(std::size_t size) {
    return allocate(size, counts_so_far.news);
}

void* operator new[](std::size_t size) {
    return allocate(size, counts_so_far.array_news);
}

void operator delete(void* block) noexcept {
    release(block, counts_so_far.deletes);
}

void operator delete[](void* block) noexcept {
    release(block, counts_so_far.array_deletes);
}

void operator delete(void* block, std::size_t /*size*/) noexcept {
    release(block, counts_so_far.deletes);
}

void operator delete[](void* block, std::size_t /*size*/) noexcept {
    release(block, counts_so_far.array_deletes);
}
