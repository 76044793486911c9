#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree: exactly the
# expected files, icons of the sizes their folders promise, working programs, menu entries
# that name the installed programs and icons under the names the applications announce,
# AppStream screenshots that exist, and manual pages that cover every option.
# Usage: installed_tree_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1 source=$2 version=$3
# shellcheck source=install_checks.sh
. "$(dirname "$0")/install_checks.sh"

prefix="$work/prefix"
install_into "$build" "$prefix"

icon_sizes=(16 22 24 32 48 64 128 256)
# The two windows' programs, entries, icons, metadata and pages, and binora-cli.
windows=(binora binora-arith)
declare -A metadata=([binora]=org.example.binora [binora-arith]=org.example.binora.arith)
expected=(bin/binora-cli share/man/man1/binora-cli.1.gz share/doc/binora/copyright)
for program in "${windows[@]}"; do
  expected+=("bin/$program" "share/applications/$program.desktop"
             "share/metainfo/${metadata[$program]}.metainfo.xml"
             "share/icons/hicolor/scalable/apps/$program.svg" "share/man/man1/$program.1.gz")
  for size in "${icon_sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$program.png")
  done
done

# Exactly these files: nothing missing, nothing installed by accident.
if ! diff <(printf '%s\n' "${expected[@]}" | sort) \
  <(cd "$prefix" && find . -type f -printf '%P\n' | sort) >"$work/tree.diff"; then
  fail "installed files differ from the expected list:$(printf '\n'; cat "$work/tree.diff")"
fi

for program in "${windows[@]}" binora-cli; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
done
for program in "${windows[@]}"; do
  for size in "${icon_sizes[@]}"; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$program.png"
    [ -f "$png" ] || continue
    [ "$(png_size "$png")" = "${size}x${size}" ] ||
      fail "$png is $(png_size "$png"), not ${size}x${size}"
  done
  grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$program.svg" ||
    fail "the scalable icon of $program is no SVG"
done

# The installed command line program runs on its own: 0.1 in binary32 is 0x3DCCCCCD.
cli="$prefix/bin/binora-cli"
[ "$("$cli" --version)" = "binora-cli $version" ] ||
  fail "binora-cli --version: $("$cli" --version)"
[ "$("$cli" --kind 32 --format tsv 0.1 | cut -f7)" = 3DCCCCCD ] ||
  fail "binora-cli does not read 0.1 as 3DCCCCCD"

# Each desktop entry is named as its program announces itself (so that the window is matched
# to its menu entry) and names the installed program and icon; its AppStream metadata launches
# that entry, and every screenshot is one of the project's pictures, of the size the metadata
# gives.
declare -A entry_point=([binora]=main.cpp [binora-arith]=arith_main.cpp)
image='.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">\([^<]*\)<.*'
for program in "${windows[@]}"; do
  entry="$prefix/share/applications/$program.desktop"
  announced=$(sed -n 's/.*setDesktopFileName("\([^"]*\)").*/\1/p' \
    "$source/src/app/${entry_point[$program]}")
  [ "$announced.desktop" = "$(basename "$entry")" ] ||
    fail "${entry_point[$program]} announces '$announced', the entry is $(basename "$entry")"
  exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  [ "$exec_program" = "$program" ] && [ -x "$prefix/bin/$exec_program" ] ||
    fail "Exec=$exec_program in $program.desktop is not the installed $program"
  [ "$(sed -n 's/^Icon=//p' "$entry")" = "$program" ] ||
    fail "Icon= of $program.desktop does not name the installed icon $program"

  metainfo="$prefix/share/metainfo/${metadata[$program]}.metainfo.xml"
  grep -q "<launchable type=\"desktop-id\">$program.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $program.desktop"
  screenshots=0
  while read -r width height url; do
    screenshots=$((screenshots + 1))
    file="$source/${url#https://binora.example.org/}"
    if [ ! -f "$file" ]; then
      fail "screenshot $url is not in the project ($file)"
    elif [ "$(png_size "$file")" != "${width}x${height}" ]; then
      fail "screenshot $url is $(png_size "$file"), the metadata says ${width}x${height}"
    fi
  done < <(sed -n "s|$image|\\1 \\2 \\3|p" "$metainfo")
  ((screenshots >= 2)) ||
    fail "the metadata of $program lists $screenshots screenshots, expected at least 2"
done

# Manual pages: compressed, well-formed, and the command line one describes every option
# that --help lists.
for page in binora binora-arith binora-cli; do
  man="$prefix/share/man/man1/$page.1.gz"
  gzip -t "$man" 2>/dev/null || { fail "$man is not a gzip file"; continue; }
  [[ "$(zcat "$man" | sed -n 1p)" == ".TH ${page^^} 1 "* ]] ||
    fail "$man does not start with .TH ${page^^} 1"
done
page_text=$(zcat "$prefix/share/man/man1/binora-cli.1.gz" | sed 's/\\-/-/g')
for option in $("$cli" --help | grep -o -- '--[a-z]\+' | sort -u); do
  grep -q -- "$option" <<<"$page_text" ||
    fail "the manual page of binora-cli does not describe $option"
done

finish
