// Times two programs in paired runs: A, then B, then A again, and so on, so that both see
// the same state of a noisy machine. Prints the median wall time of each in microseconds.
//
//   paired_timer RUNS PROGRAM_A PROGRAM_B
//
// Each program starts with no arguments, no environment and standard output on /dev/null,
// and must exit 0.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Runs `program` once and returns its wall time in microseconds, or a negative number when
// it could not start or did not exit 0.
double time_run(const char* program) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::string path = program;
    char* const argv[] = {path.data(), nullptr};
    char* const no_environment[] = {nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    int status = 0;
    const bool ran = posix_spawn(&child, program, &actions, nullptr, argv, no_environment) == 0 &&
                     waitpid(child, &status, 0) == child;
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);

    if (!ran || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return -1.0;
    }
    return std::chrono::duration<double, std::micro>(end - start).count();
}

double median(std::vector<double> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 || std::atoi(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: paired_timer RUNS PROGRAM_A PROGRAM_B\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<double> times_a;
    std::vector<double> times_b;
    // A few runs first, so that both programs are in the page cache.
    for (int i = 0; i < 10; ++i) {
        time_run(argv[2]);
        time_run(argv[3]);
    }
    for (int i = 0; i < runs; ++i) {
        times_a.push_back(time_run(argv[2]));
        times_b.push_back(time_run(argv[3]));
        if (times_a.back() < 0 || times_b.back() < 0) {
            std::fprintf(stderr, "paired_timer: a program failed to run or exit 0\n");
            return 1;
        }
    }
    std::printf("%.1f %.1f\n", median(times_a), median(times_b));
    return 0;
}
