#!/usr/bin/env bash
# Installs what is missing, builds, and opens Binora.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/tools/setup.sh"
exec "${BINORA_BUILD_DIR:-$top/build}/src/app/binora" "$@"
