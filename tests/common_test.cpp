// Tests of what the programs share: the list node, and the check of standard output at the
// end of a run. Each is held to its own contract, apart from the code that uses it.

#include <cstring>
#include <iostream>
#include <new>
#include <sstream>
#include <streambuf>
#include <string>

#include <gtest/gtest.h>

#include "common/finish_output.h"
#include "common/node.h"
#include "tests/stdout_capture.h"

namespace {

TEST(Node, ANewNodeHoldsItsItemAndEndsAChain) {
    // Storage full of a pattern, so that a link left unset cannot pass for null by chance.
    alignas(Node) unsigned char storage[sizeof(Node)];
    std::memset(storage, 0xA5, sizeof storage);

    const Node* const node = new (storage) Node(-7);
    EXPECT_EQ(node->item, -7);
    EXPECT_EQ(node->link, nullptr) << "the constructor must end the chain at the new node";
}

// Points std::cerr at a string while it lives.
class StderrCapture {
public:
    StderrCapture() : previous_(std::cerr.rdbuf(text_.rdbuf())) {}
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;
    ~StderrCapture() {
        std::cerr.rdbuf(previous_);
    }

    [[nodiscard]] std::string text() const {
        return text_.str();
    }

private:
    std::ostringstream text_;
    std::streambuf* previous_;
};

TEST(FinishOutput, FlushesWhatIsStillBufferedAndReportsSuccess) {
    StdoutCapture out;
    StderrCapture err;
    std::cout << "a line without a flush\n";
    ASSERT_EQ(out.flushed_length(), 0U);

    EXPECT_EQ(finish_output("demo"), 0);
    EXPECT_EQ(out.flushed_length(), out.text().size()) << "finish_output did not flush";
    EXPECT_EQ(err.text(), "");
}

// A stream buffer that takes nothing: every write to it fails, as on a full disk.
class RefusingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type /*ch*/) override {
        return traits_type::eof();
    }
};

TEST(FinishOutput, AFailedWriteGivesStatusOneAndOneLineNamingTheProgram) {
    RefusingBuffer refusing;
    std::streambuf* const previous = std::cout.rdbuf(&refusing);
    StderrCapture err;
    std::cout << "lost";

    const int status = finish_output("demo");
    std::cout.rdbuf(previous);
    std::cout.clear();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err.text(), "demo: write error on standard output\n");
}

}  // namespace
