#!/usr/bin/env python3
"""Runs the operation benchmarks with repetitions and prints, for each operation and size,
the median time of ours, of the standard library's counterpart, and their ratio, then the
order that Google Benchmark fitted to each.

    bench/compare_operations.py [BENCHMARK_EXECUTABLE] [REPETITIONS]

Many short repetitions, interleaved at random, on one pinned core (taskset, where there is
one), make the medians robust against a noisy, shared machine.
"""
import json
import shutil
import subprocess
import sys

executable = sys.argv[1] if len(sys.argv) > 1 else "build/bench/bench/operations_bench"
repetitions = sys.argv[2] if len(sys.argv) > 2 else "20"

pin = ["taskset", "-c", "1"] if shutil.which("taskset") else []
run = subprocess.run(
    pin + [
        executable,
        f"--benchmark_repetitions={repetitions}",
        "--benchmark_enable_random_interleaving=true",
        "--benchmark_min_time=0.02",
        "--benchmark_report_aggregates_only=true",
        "--benchmark_format=json",
    ],
    check=True,
    capture_output=True,
    text=True,
)
rows = json.loads(run.stdout)["benchmarks"]

medians = {}  # (operation, side, size) -> nanoseconds
orders = {}  # (operation, side) -> fitted order
for row in rows:
    name = row["run_name"]
    base, _, size = name.partition("/")
    operation, _, side = base[len("BM_"):].rpartition("_")
    if row.get("aggregate_name") == "median":
        medians[(operation, side, int(size))] = row["real_time"]
    elif row.get("aggregate_name") == "BigO" or name.endswith("_BigO"):
        orders[(operation, side)] = row.get("big_o", "?")

print("| Operation | n | ours (ns) | std (ns) | ours / std | ours, ns per element |")
print("|---|---:|---:|---:|---:|---:|")
worst = 0.0
for (operation, side, size), ours in sorted(medians.items()):
    if side != "Ours":
        continue
    theirs = medians[(operation, "Std", size)]
    ratio = ours / theirs
    worst = max(worst, ratio)
    print(f"| {operation} | {size} | {ours:.0f} | {theirs:.0f} | {ratio:.3f} "
          f"| {ours / size:.2f} |")
print()
print("| Operation | fitted order, ours | fitted order, std |")
print("|---|---|---|")
for operation in sorted({operation for operation, _ in orders}):
    print(f"| {operation} | {orders.get((operation, 'Ours'), '?')} "
          f"| {orders.get((operation, 'Std'), '?')} |")
print()
print(f"largest ratio: {worst:.3f}")
