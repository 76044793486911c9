#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each for the given number of
# seconds (default 600), starting from the seed corpora (seed_corpora.sh) and the corpus
# kept from earlier runs in build-fuzz/corpus/. A finding (crash, sanitizer report, broken
# property, hang) stops the run with a non-zero status; its input is saved in
# build-fuzz/findings/<target>/ — turn it into a regression test. Installs clang, libFuzzer
# and llvm-symbolizer first when they are missing.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=tools/setup.sh
. "$top/tools/setup.sh"
install_packages "${window_packages[@]}" "${fuzz_packages[@]}"
seconds=${1:-600}
build=${BINORA_FUZZ_DIR:-$top/build-fuzz}
targets=(decimal_reader_fuzz value_edit_fuzz bit_edit_fuzz session_fuzz cli_lines_fuzz
         widget_session_fuzz arith_fuzz arith_window_fuzz)

cmake -S "$top" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DBINORA_FUZZ=ON \
  -DBINORA_TESTS=OFF -DBINORA_BENCHMARKS=OFF -DBINORA_WERROR=ON >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}"
# Written afresh each run (under a second), so that a target added since the last run has
# its seeds too.
rm -rf "$build/seeds"
"$top/fuzz/seed_corpora.sh" "$build/seeds"

for target in "${targets[@]}"; do
  max_len=4096
  leaks=1
  # Key-by-key typing reads the whole text again at every key: keep those inputs short.
  # A session of a few dozen actions reaches every control; longer ones only slow it down.
  case $target in
  value_edit_fuzz | bit_edit_fuzz) max_len=512 ;;
  session_fuzz) max_len=256 ;;
  # Qt keeps what it builds during a session (fonts, glyphs, shaped texts): nearly every
  # input would be run a second time to look for leaks, at half the speed. The sanitizers
  # stay on.
  widget_session_fuzz | arith_window_fuzz) max_len=256 leaks=0 ;;
  # Four bytes of choices and at most three binary128 operands.
  arith_fuzz) max_len=52 ;;
  esac
  mkdir -p "$build/corpus/$target" "$build/findings/$target"
  echo "== $target: $seconds s"
  "$build/fuzz/$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
    -detect_leaks="$leaks" -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target/" "$build/corpus/$target" "$build/seeds/$target"
done
