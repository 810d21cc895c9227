// A replacement of the global operator new and operator delete, single and array forms,
// that reports every call on standard error as it happens: what was asked for, and which
// block is released. Linked into a program beside its own main (jagged_sum_recorded), it
// shows the program's allocations in order among the lines of its output, when standard
// output and standard error go to one file.
//
// Blocks are numbered in the order they were obtained, from 1. Each report is flushed at
// once: standard error is unbuffered by the C standard's rule, but Windows' C runtime
// buffers it when it goes to a file.

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kMostBlocks = 64;

// The blocks handed out so far, in order; a plain array, since the recorder may not
// allocate. The program runs on one thread.
void* blocks[kMostBlocks] = {};
std::size_t block_count = 0;

void* obtain(const char* form, std::size_t size) {
    void* const block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    if (block_count < kMostBlocks) {
        blocks[block_count] = block;
    }
    ++block_count;
    char report[96];
    std::snprintf(report, sizeof report, "%s(%zu bytes): block %zu\n", form, size, block_count);
    std::fputs(report, stderr);
    std::fflush(stderr);
    return block;
}

void release(const char* form, void* block) {
    if (block == nullptr) {
        return;
    }
    std::size_t number = 0;
    for (std::size_t i = 0; i < block_count && i < kMostBlocks; ++i) {
        if (blocks[i] == block) {
            number = i + 1;
        }
    }
    char report[96];
    std::snprintf(report, sizeof report, "%s: block %zu\n", form, number);
    std::fputs(report, stderr);
    std::fflush(stderr);
    std::free(block);
}

}  // namespace

void* operator new(std::size_t size) {
    return obtain("operator new", size);
}

void* operator new[](std::size_t size) {
    return obtain("operator new[]", size);
}

void operator delete(void* block) noexcept {
    release("operator delete", block);
}

void operator delete[](void* block) noexcept {
    release("operator delete[]", block);
}

// The sized forms, which the compiler may call instead of the two above.
void operator delete(void* block, std::size_t /*size*/) noexcept {
    release("operator delete", block);
}

void operator delete[](void* block, std::size_t /*size*/) noexcept {
    release("operator delete[]", block);
}
