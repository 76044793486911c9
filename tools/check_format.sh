#!/usr/bin/env bash
# Checks that every C++ source the repository tracks follows .clang-format; prints the places
# that do not and exits non-zero. Installs clang-format when it is missing.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=tools/setup.sh
. "$top/tools/setup.sh"
install_packages "${format_packages[@]}"
cd "$top"
git ls-files -z '*.cpp' '*.hpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "formatting: $(git ls-files '*.cpp' '*.hpp' '*.h' | wc -l) files follow .clang-format"
