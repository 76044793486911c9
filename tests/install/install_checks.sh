# Helpers of the installation tests, sourced by them: a temporary directory removed on exit,
# failures collected so that one run reports all of them, and the tree installed from a
# build directory.

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# skip MESSAGE: ends the test as skipped (ctest's SKIP_RETURN_CODE) with the reason.
skip() {
  echo "SKIPPED: $*"
  exit 77
}

finish() {
  if ((failures)); then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all checks passed"
}

# install_into BUILD_DIR PREFIX: cmake --install, quietly unless it fails.
install_into() {
  if ! cmake --install "$1" --prefix "$2" >"$work/install.log" 2>&1; then
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install $1 --prefix $2" >&2
    exit 1
  fi
}

# png_size FILE: "WIDTHxHEIGHT" from the PNG header (IHDR, big-endian, bytes 16-23).
png_size() {
  local words
  local w
  read -r -a w < <(od -An -j16 -N8 -tu1 "$1")
  local width=$(((w[0] << 24) | (w[1] << 16) | (w[2] << 8) | w[3]))
  local height=$(((w[4] << 24) | (w[5] << 16) | (w[6] << 8) | w[7]))
  echo "${width}x${height}"
}
