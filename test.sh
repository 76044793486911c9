#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/tools/setup.sh"
cd "${BINORA_BUILD_DIR:-$top/build}"
ctest --output-on-failure -j"$(nproc)" "$@"
