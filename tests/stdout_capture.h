#ifndef TESTS_STDOUT_CAPTURE_H
#define TESTS_STDOUT_CAPTURE_H

#include <cstddef>
#include <iostream>
#include <streambuf>
#include <string>

// Collects what is written to std::cout while it lives, and where the last flush was.
//
// The text goes into storage reserved up front, so that writing a few kilobytes allocates
// nothing and the allocation tests can count the allocations of the list operations alone.
class StdoutCapture : public std::streambuf {
public:
    StdoutCapture() : previous_(std::cout.rdbuf(this)) {
        text_.reserve(1U << 16U);
    }

    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    ~StdoutCapture() override {
        std::cout.rdbuf(previous_);
        std::cout.clear();
    }

    // Everything written since construction or the last clear().
    [[nodiscard]] const std::string& text() const {
        return text_;
    }

    // How much of text() had been written when std::cout was last flushed.
    [[nodiscard]] std::size_t flushed_length() const {
        return flushed_length_;
    }

    // What `list.display()` writes; leaves nothing captured before or after.
    template <class List>
    std::string display_of(const List& list) {
        clear();
        list.display();
        std::string line = text_;
        clear();
        return line;
    }

    // Forgets what was captured, keeping the reserved storage.
    void clear() {
        text_.clear();
        flushed_length_ = 0;
    }

protected:
    int_type overflow(int_type ch) override {
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            text_.push_back(traits_type::to_char_type(ch));
        }
        return traits_type::not_eof(ch);
    }

    std::streamsize xsputn(const char* text, std::streamsize count) override {
        text_.append(text, static_cast<std::size_t>(count));
        return count;
    }

    int sync() override {
        flushed_length_ = text_.size();
        return 0;
    }

private:
    std::streambuf* previous_;
    std::string text_;
    std::size_t flushed_length_ = 0;
};

#endif  // TESTS_STDOUT_CAPTURE_H
