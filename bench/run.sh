#!/usr/bin/env bash
# Builds the benchmarks in Release mode into build-bench/ and runs them all, after a line
# naming the machine. Extra arguments go to every benchmark (e.g. --benchmark_min_time=1).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BINORA_BENCH_DIR:-$top/build-bench}
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBINORA_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target numeric_bench value_edit_bench window_bench arith_window_bench cli_throughput_bench \
  start_up_bench
echo "Machine: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores"
for bench in numeric_bench value_edit_bench window_bench arith_window_bench cli_throughput_bench \
  start_up_bench; do
  "$build/bench/$bench" "$@"
done
