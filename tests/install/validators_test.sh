#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the desktop's own validator on one
# installed file of each window: desktop-file-validate on the menu entries, or appstreamcli
# (without network) on the AppStream metadata. Skipped, with the reason, when the validator
# is not installed (Debian: desktop-file-utils, appstream; test.sh installs both).
# Usage: validators_test.sh BUILD_DIR desktop|appstream
set -euo pipefail
build=$1 which=$2
# shellcheck source=install_checks.sh
. "$(dirname "$0")/install_checks.sh"

case "$which" in
desktop)
  tool=desktop-file-validate package=desktop-file-utils
  files=(share/applications/binora.desktop share/applications/binora-arith.desktop) ;;
appstream)
  tool=appstreamcli package=appstream
  files=(share/metainfo/org.example.binora.metainfo.xml
         share/metainfo/org.example.binora.arith.metainfo.xml) ;;
*)
  echo "unknown validator: $which" >&2
  exit 2 ;;
esac
command -v "$tool" >/dev/null || skip "$tool is not installed (Debian package $package)"

install_into "$build" "$work/prefix"
for file in "${files[@]}"; do
  if [ "$which" = desktop ]; then
    # desktop-file-validate exits 0 on hints and warnings too: any message but a hint fails.
    output=$(desktop-file-validate "$work/prefix/$file" 2>&1) ||
      fail "desktop-file-validate $file failed"
    if grep -v ': hint: ' <<<"$output" | grep -q .; then fail "desktop-file-validate: $output"; fi
  else
    appstreamcli validate --no-net --explain "$work/prefix/$file" >"$work/appstream.log" 2>&1 ||
      fail "appstreamcli validate $file: $(cat "$work/appstream.log")"
  fi
done
finish
