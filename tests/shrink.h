#ifndef TESTS_SHRINK_H
#define TESTS_SHRINK_H

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

// Returns a shorter sequence of `steps` that still `fails`, found by removing runs of steps,
// halving the length of the runs each round down to single steps. `steps` must fail. The
// model tests use it to report a failure as a case short enough to pin as a plain test.
template <class Step, class Fails>
std::vector<Step> shrink(std::vector<Step> steps, const Fails& fails) {
    for (std::size_t run = std::max<std::size_t>(steps.size() / 2, 1); run > 0; run /= 2) {
        std::size_t start = 0;
        while (start + run <= steps.size()) {
            std::vector<Step> shorter = steps;
            const auto first = shorter.begin() + static_cast<std::ptrdiff_t>(start);
            shorter.erase(first, first + static_cast<std::ptrdiff_t>(run));
            if (fails(shorter)) {
                steps = std::move(shorter);
            } else {
                start += run;
            }
        }
    }
    return steps;
}

#endif  // TESTS_SHRINK_H
