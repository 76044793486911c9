#!/usr/bin/env bash
# Installs what the window needs, builds the window alone (no tests, no benchmarks) and opens
# it; arguments go to the program. The build directory is build/ (BINORA_BUILD_DIR), shared
# with test.sh; BINORA_CMAKE_ARGS adds CMake arguments.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/setup.sh
. "$top/tools/setup.sh"
install_packages "${window_packages[@]}"
build=${BINORA_BUILD_DIR:-$top/build}
build_binora "$build" -DBINORA_TESTS=OFF -DBINORA_BENCHMARKS=OFF -- binora
exec "$build/src/app/binora" "$@"
