#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages that are missing (with sudo
# when not root), then configures and builds into build/. Idempotent; fast when nothing
# changed. Extra CMake arguments can be given in BINORA_CMAKE_ARGS.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-dejavu-core libmpfr-dev libgmp-dev
          clang libclang-rt-14-dev llvm # fuzzing: clang, libFuzzer, llvm-symbolizer
          desktop-file-utils appstream dpkg-dev file) # installation and Debian package tests

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing missing packages: ${missing[*]}"
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
    --no-install-recommends "${missing[@]}"
fi

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BINORA_BUILD_DIR:-$top/build}
# shellcheck disable=SC2086
cmake -S "$top" -B "$build" -G Ninja ${BINORA_CMAKE_ARGS:-} >/dev/null
cmake --build "$build"
