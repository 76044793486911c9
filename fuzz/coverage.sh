#!/usr/bin/env bash
# Which code a fuzz target's corpus reaches. Builds TARGET again in build-fuzz-coverage/
# with clang's source-based coverage (-fprofile-instr-generate -fcoverage-mapping, the
# sanitizers as in run.sh), runs it once over every input of its corpus (build-fuzz/corpus/
# TARGET, kept by run.sh, and the seeds), and prints llvm-cov's report for the sources under
# FOLDER (default src/dialog/qt): regions, functions and lines per file. The same per
# function goes to build-fuzz-coverage/TARGET-functions.txt, the annotated sources to
# build-fuzz-coverage/TARGET-html/.
#
#   fuzz/coverage.sh TARGET [FOLDER]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=tools/setup.sh
. "$top/tools/setup.sh"
install_packages "${window_packages[@]}" "${fuzz_packages[@]}"
target=${1:?usage: fuzz/coverage.sh TARGET [FOLDER]}
folder=${2:-src/dialog/qt}
build=$top/build-fuzz-coverage
corpus=${BINORA_FUZZ_DIR:-$top/build-fuzz}/corpus/$target
coverage_flags="-fprofile-instr-generate -fcoverage-mapping"

cmake -S "$top" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DBINORA_FUZZ=ON \
  -DBINORA_TESTS=OFF -DBINORA_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS="$coverage_flags" \
  -DCMAKE_EXE_LINKER_FLAGS="$coverage_flags" >/dev/null
cmake --build "$build" --target "$target"
rm -rf "$build/seeds" "$build/$target-profiles"
"$top/fuzz/seed_corpora.sh" "$build/seeds"
mkdir -p "$corpus" "$build/$target-profiles"

# -runs=0 runs each input once and adds nothing to the corpus; one profile per process.
LLVM_PROFILE_FILE="$build/$target-profiles/%p.profraw" "$build/fuzz/$target" -runs=0 \
  -detect_leaks=0 -timeout=30 "$corpus" "$build/seeds/$target" 2>&1 | grep -E '^#[0-9]+ +(INITED|DONE)' || true
llvm-profdata merge -sparse "$build/$target-profiles"/*.profraw -o "$build/$target.profdata"

sources=$(cd "$top" && find "$folder" -name '*.cpp' | sort)
show=("$build/fuzz/$target" -instr-profile="$build/$target.profdata")
for source in $sources; do show+=("$top/$source"); done
llvm-cov report --show-functions "${show[@]}" >"$build/$target-functions.txt"
llvm-cov show -format=html -output-dir="$build/$target-html" "${show[@]}"
llvm-cov report "${show[@]}"
echo "per function: $build/$target-functions.txt; annotated sources: $build/$target-html/"
