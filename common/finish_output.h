#ifndef COMMON_FINISH_OUTPUT_H
#define COMMON_FINISH_OUTPUT_H

#include <iostream>

// Flushes standard output and returns the exit status of the run: 0 when every write to
// standard output succeeded, 1 otherwise, after one line on standard error that names
// `program_name`. Without this check a full disk or a closed standard output would lose the
// transcript while the program still reported success.
inline int finish_output(const char* program_name) {
    std::cout.flush();
    if (std::cout.good()) {
        return 0;
    }
    std::cerr << program_name << ": write error on standard output\n";
    return 1;
}

#endif  // COMMON_FINISH_OUTPUT_H
