#!/usr/bin/env bash
# Builds the Debian package with CPack into a temporary directory and inspects it: its
# control file (name, section, maintainer, description, and the runtime dependencies that
# dpkg-shlibdeps found: the Qt 6 libraries, libquadmath, MPFR, GMP, libstdc++, the C library)
# and its contents under /usr. Skipped, with the reason, when the Debian tools are not installed
# (Debian: dpkg-dev, file; tools/setup.sh installs both).
# Usage: deb_package_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
# shellcheck source=install_checks.sh
. "$(dirname "$0")/install_checks.sh"

for tool in dpkg-deb dpkg-shlibdeps file; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (Debian packages dpkg-dev, file)"
done

if ! (cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  echo "FAIL: cpack -G DEB" >&2
  exit 1
fi
debs=("$work"/out/binora_*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: no binora_*.deb in $(ls "$work/out")" >&2; exit 1; }
deb=${debs[0]}

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = binora ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), expected $version"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
grep -q 'IEEE 754' <<<"$(field Description)" || fail "Description: $(field Description)"

# Every library the programs load at run time comes from a dependency.
depends=$(field Depends)
names=$(sed 's/ *([^)]*)//g; s/ *| */\n/g; s/, */\n/g' <<<"$depends")
for package in libqt6widgets6 libqt6gui6 libqt6core6 libquadmath0 libmpfr6 libgmp10 libstdc++6 \
               libc6; do
  grep -qxF "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in ./usr/bin/binora ./usr/bin/binora-cli ./usr/share/applications/binora.desktop \
  ./usr/share/metainfo/org.example.binora.metainfo.xml \
  ./usr/share/icons/hicolor/scalable/apps/binora.svg \
  ./usr/share/icons/hicolor/48x48/apps/binora.png ./usr/share/man/man1/binora-cli.1.gz; do
  grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
finish
