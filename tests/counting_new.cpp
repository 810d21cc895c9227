#include "tests/counting_new.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// A plain global: the tests run on one thread.
AllocationWatch* live_watch = nullptr;

// Counts one allocation in `counter` of the live watch, or fails it if the watch asks to.
void count_allocation(std::size_t& counter) {
    if (live_watch->fail_next_allocation) {
        live_watch->fail_next_allocation = false;
        throw std::bad_alloc();
    }
    ++counter;
}

// Every block starts full of this byte, never of zeros, so that code which reads memory it
// never wrote shows it instead of passing by the luck of a fresh page.
constexpr unsigned char kFreshBlockPattern = 0xA5;

void* allocate(std::size_t size) {
    // malloc(0) may return null; operator new must not.
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        std::memset(block, kFreshBlockPattern, size);
        return block;
    }
    throw std::bad_alloc();
}

}  // namespace

AllocationWatch::AllocationWatch() {
    live_watch = this;
}

AllocationWatch::~AllocationWatch() {
    live_watch = nullptr;
}

void* operator new(std::size_t size) {
    if (live_watch != nullptr) {
        count_allocation(live_watch->counts.news);
    }
    return allocate(size);
}

void* operator new[](std::size_t size) {
    if (live_watch != nullptr) {
        count_allocation(live_watch->counts.array_news);
    }
    return allocate(size);
}

void operator delete(void* block) noexcept {
    if (live_watch != nullptr && block != nullptr) {
        ++live_watch->counts.deletes;
    }
    std::free(block);
}

void operator delete[](void* block) noexcept {
    if (live_watch != nullptr && block != nullptr) {
        ++live_watch->counts.array_deletes;
    }
    std::free(block);
}

// The sized forms, which the compiler may call instead of the two above.
void operator delete(void* block, std::size_t /*size*/) noexcept {
    ::operator delete(block);
}

void operator delete[](void* block, std::size_t /*size*/) noexcept {
    ::operator delete[](block);
}
