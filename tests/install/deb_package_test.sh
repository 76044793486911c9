#!/usr/bin/env bash
# Builds the Debian package with CPack into a temporary directory and inspects it: its
# control file (name, version, section, maintainer, description, and the runtime
# dependencies that dpkg-shlibdeps found: the Qt 6 libraries, libquadmath, MPFR, GMP,
# libstdc++, the C library); its contents, which are what `cmake --install` installs, under
# /usr, and the Debian changelog and lintian overrides besides; a machine-readable copyright
# file whose stanzas name both licences and paths of the source tree; and lintian, which must
# report no error and no warning. Skipped, with the reason, when the Debian tools are not
# installed (Debian: dpkg-dev, file, lintian; test.sh installs them).
# Usage: deb_package_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1 source=$2 version=$3
# shellcheck source=install_checks.sh
. "$(dirname "$0")/install_checks.sh"

for tool in dpkg-deb dpkg-shlibdeps dpkg-parsechangelog file lintian; do
  command -v "$tool" >/dev/null ||
    skip "$tool is not installed (Debian packages dpkg-dev, file, lintian)"
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
[[ "$(field Version)" == "$version"-[0-9]* ]] ||
  fail "Version: $(field Version), expected $version and a Debian revision"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
grep -q 'IEEE 754' <<<"$(field Description)" || fail "Description: $(field Description)"

# Every library the programs load at run time belongs to a dependency.
depends=$(field Depends)
names=$(sed 's/ *([^)]*)//g; s/ *| */\n/g; s/, */\n/g' <<<"$depends")
for package in libqt6widgets6 libqt6gui6 libqt6core6 libquadmath0 libmpfr6 libgmp10 libstdc++6 \
               libc6; do
  grep -qxF "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done

# Exactly what `cmake --install` installs, under /usr, and the files only the package holds.
install_into "$build" "$work/prefix"
expected=$( (cd "$work/prefix" && find . -type f -printf './usr/%P\n')
  printf '%s\n' ./usr/share/doc/binora/changelog.Debian.gz ./usr/share/lintian/overrides/binora)
if ! diff <(sort <<<"$expected") <(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sort) \
  >"$work/contents.diff"; then
  fail "the package's files differ from the installed ones:$(printf '\n'; cat "$work/contents.diff")"
fi

dpkg-deb --extract "$deb" "$work/root"
doc="$work/root/usr/share/doc/binora"
if zcat "$doc/changelog.Debian.gz" >"$work/changelog" 2>/dev/null; then
  changelog_version=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
  [ "$changelog_version" = "$(field Version)" ] ||
    fail "the changelog's newest entry is $changelog_version, the package $(field Version)"
else
  fail "changelog.Debian.gz is no gzip file"
fi

# The copyright file: machine-readable, both licences, and every stanza's files still where
# it says they are.
copyright="$doc/copyright"
[[ "$(head -1 "$copyright")" == "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ]] ||
  fail "the copyright file is not machine-readable: $(head -1 "$copyright")"
for license in MIT Apache-2.0; do
  grep -qx "License: $license" "$copyright" || fail "the copyright file has no License: $license"
done
while read -r pattern; do
  [ "$pattern" = '*' ] && continue
  compgen -G "$source/$pattern" >/dev/null || fail "the copyright file's Files: $pattern matches nothing"
done < <(sed -n 's/^Files: //p' "$copyright" | tr ' ' '\n')

# lintian: no errors, and no warnings that the overrides do not explain.
if ! lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1; then
  fail "lintian:$(printf '\n'; grep -v 'running with root privileges' "$work/lintian.log")"
fi
finish
