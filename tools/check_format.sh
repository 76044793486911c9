#!/usr/bin/env bash
# Checks that every C++ source the repository tracks follows .clang-format; prints the places
# that do not and exits non-zero. Installs clang-format when it is missing (with sudo when not
# root).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
if ! command -v clang-format >/dev/null; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
    --no-install-recommends clang-format
fi
git ls-files -z '*.cpp' '*.hpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "formatting: $(git ls-files '*.cpp' '*.hpp' '*.h' | wc -l) files follow .clang-format"
