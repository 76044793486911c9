#!/usr/bin/env bash
# Writes the seed corpora of the four fuzz targets into the directory $1 (one
# sub-directory per target), from the decimal test vectors in tests/data/parse-number-fxx:
# every 25th line of each file and all of more-test-cases.txt. Each seed is one file.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$1
vectors="$top/tests/data/parse-number-fxx"
mkdir -p "$out"/{decimal_reader_fuzz,value_edit_fuzz,bit_edit_fuzz,cli_lines_fuzz}

for file in "$vectors"/*.txt; do
  step=25
  [ "$(basename "$file")" = more-test-cases.txt ] && step=1
  awk -v out="$out" -v name="$(basename "$file" .txt)" -v step="$step" '
    function bits(hex,    i, b, map) {
      split("0000 0001 0010 0011 0100 0101 0110 0111 1000 1001 1010 1011 1100 1101 1110 1111",
            map, " ")
      b = ""
      for (i = 1; i <= length(hex); i++) b = b map[index("0123456789ABCDEF", substr(hex, i, 1))]
      return b
    }
    function seed(dir, text,    f) {
      f = out "/" dir "/" name "-" NR
      printf "%s", text > f
      close(f)
    }
    (NR - 1) % step == 0 {
      text = $5
      kind = NR % 3                              # kind byte: "0", "1" or "2" (mod 3)
      seed("decimal_reader_fuzz", text)
      seed("value_edit_fuzz", kind text)
      b = bits(kind == 0 ? $2 : kind == 1 ? $3 : $4)
      # the sign, exponent and significand edits replaced in turn: selector, length, bits
      e = kind == 0 ? 8 : kind == 1 ? 11 : 15
      f = kind == 0 ? 23 : kind == 1 ? 52 : 48
      command = sprintf("%s%c%c%s%c%c%s%c%c%s", kind, 0, 1, substr(b, 1, 1),
                        1, e, substr(b, 2, e), 2, f, substr(b, 2 + e, f))
      if (kind == 2) command = command sprintf("%c%c%s", 3, 64, substr(b, 65, 64))
      seed("bit_edit_fuzz", command)
      lines = lines text "\n"
      if (++sampled % 8 == 0) { seed("cli_lines_fuzz", kind lines); lines = "" }
    }' "$file"
done
