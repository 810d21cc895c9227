#!/usr/bin/env bash
# Measures the whole-process cost of each program against its floor: a static C program
# that writes the same transcript with one write(2). Prints instruction counts (callgrind,
# repeatable for the same executables and the same, empty, environment) and median wall
# times of paired runs (paired_timer, also with no environment), with their ratios; then
# the instruction counts of a dynamically linked build, for comparison.
#
#   bench/process_cost.sh [RUNS]      RUNS: paired runs per program (default 2001)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-2001}

cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
cmake -S . -B build/bench-dynamic -G Ninja -DCMAKE_BUILD_TYPE=Release -DDEMOS_STATIC_RUNTIME=OFF \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build build/bench-dynamic >/dev/null

# The number of instructions that running $1 executes, from start to exit. Every process
# measured, ours and the floors alike, starts with the same empty environment: the C
# runtime's start-up walks the environment, so each variable would add instructions.
instructions() {
    env -i "$(command -v valgrind)" --tool=callgrind --callgrind-out-file=/dev/null "$1" \
        2>&1 >/dev/null | awk '/Collected/ {print $NF}'
}

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'
}

echo "| Program | instructions | floor | ratio | median wall (µs) | floor (µs) | ratio | dynamic build: instructions | ratio |"
echo "|---|---:|---:|---:|---:|---:|---:|---:|---:|"
for program in concat_lists reverse_list jagged_sum; do
    ours=build/bench/$program
    floor=build/bench/bench/floor_$program
    cmp <("$ours") tests/expected/$program.txt
    cmp <("$floor") tests/expected/$program.txt
    count_ours=$(instructions "$ours")
    count_floor=$(instructions "$floor")
    count_dynamic=$(instructions "build/bench-dynamic/$program")
    read -r time_ours time_floor <<<"$(build/bench/bench/paired_timer "$runs" "$ours" "$floor")"
    echo "| $program | $count_ours | $count_floor | $(ratio "$count_ours" "$count_floor")" \
        "| $time_ours | $time_floor | $(ratio "$time_ours" "$time_floor")" \
        "| $count_dynamic | $(ratio "$count_dynamic" "$count_floor") |"
done
