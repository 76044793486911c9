#!/usr/bin/env bash
# Installs what the window, the tests and the benchmarks need, builds everything and runs the
# whole test suite; arguments go to ctest. The build directory is build/ (BINORA_BUILD_DIR),
# shared with run.sh; BINORA_CMAKE_ARGS adds CMake arguments.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/setup.sh
. "$top/tools/setup.sh"
install_packages "${window_packages[@]}" "${test_packages[@]}"
build=${BINORA_BUILD_DIR:-$top/build}
build_binora "$build" -DBINORA_TESTS=ON -DBINORA_BENCHMARKS=ON --
cd "$build"
ctest --output-on-failure -j"$(nproc)" "$@"
