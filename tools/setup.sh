# shellcheck shell=bash disable=SC2034 # the lists are read by the scripts that source this
# Sourced by run.sh, test.sh, fuzz/run.sh and tools/check_format.sh: the Debian packages each
# of them needs, and the two steps they share, installing what is missing and configuring and
# building a build directory. Every list names only what it adds to the ones before it.

# Building and running the window (the compiler brings libquadmath; MPFR reads binary128 and
# GMP writes exact decimals, found through pkg-config).
window_packages=(g++ cmake ninja-build pkg-config qt6-base-dev libmpfr-dev libgmp-dev
                 fonts-dejavu-core)
# The test suite and the benchmarks, on top of the window's: the test frameworks, the
# installation tests' validators and Debian package tools, and what the arithmetic window's
# check from outside runs on: an X server, X key events, a session bus and the accessibility
# bus, and the accessibility tree read from Python.
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev
               desktop-file-utils appstream dpkg-dev file lintian
               xvfb xdotool dbus-daemon at-spi2-core python3-pyatspi)
# The fuzz targets, on top of the window's: clang, libFuzzer and llvm-symbolizer.
fuzz_packages=(clang libclang-rt-14-dev llvm)
# The formatting check of CI.
format_packages=(clang-format)

# install_packages PACKAGE...: installs those of the Debian packages PACKAGE... that are not
# installed, with apt-get (no recommended packages), as root or through sudo. Without root
# and without sudo it names the missing packages and the command that installs them as
# root, and exits with status 1. Where there is no dpkg (not Debian) it says what the build
# needs and goes on, for the build to report what is missing.
install_packages() {
  local script
  script=$(basename "$0")
  if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
    echo "$script: no dpkg and apt-get here; the build needs the equivalents of the Debian" \
      "packages $*" >&2
    return 0
  fi
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  ((${#missing[@]})) || return 0

  local install=(apt-get install -y --no-install-recommends "${missing[@]}")
  local as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      {
        echo "$script: these Debian packages are missing: ${missing[*]}"
        echo "There is no sudo here to install them. As root, run"
        echo "  apt-get update && ${install[*]}"
        echo "and then $0 again."
      } >&2
      exit 1
    fi
    as_root=(sudo)
  fi
  echo "$script: installing ${missing[*]}"
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive "${install[@]}" -q
}

# build_binora BUILD_DIR CMAKE_ARGUMENTS -- TARGET...: configures BUILD_DIR with Ninja and
# the given CMake arguments, then those in BINORA_CMAKE_ARGS (which win), and builds the
# targets (all of them when none is named). Configuring again is quick when nothing changed,
# and it sets every option given anew, so run.sh and test.sh can share a build directory.
build_binora() {
  local build=$1 arguments=() targets=()
  shift
  while (($#)) && [ "$1" != -- ]; do
    arguments+=("$1")
    shift
  done
  (($#)) && shift
  targets=("$@")
  local top
  top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  # shellcheck disable=SC2086 # BINORA_CMAKE_ARGS holds several words
  cmake -S "$top" -B "$build" -G Ninja "${arguments[@]}" ${BINORA_CMAKE_ARGS:-} >/dev/null
  if ((${#targets[@]})); then
    cmake --build "$build" --target "${targets[@]}"
  else
    cmake --build "$build"
  fi
}
