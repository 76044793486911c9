#!/usr/bin/env bash
# Writes the seed corpora of the five fuzz targets into the directory $1 (one
# sub-directory per target), from the decimal test vectors in tests/data/parse-number-fxx:
# every 25th line of each file and all of more-test-cases.txt; the session target gets
# sessions that reach every control. Each seed is one file.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$1
vectors="$top/tests/data/parse-number-fxx"
mkdir -p "$out"/{decimal_reader_fuzz,value_edit_fuzz,bit_edit_fuzz,session_fuzz,cli_lines_fuzz}

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

# Sessions (fuzz/session_fuzz.cpp gives the byte layout). Clickable controls by number:
# 0-2 kind radios, 3-4 scope radios, 5-6 language radios, 7 0's, 8 1's, 9 0 <--> 1,
# 10 Binary box, 11 About, 12 Info, 13 summary. Edits: 0 the value, 1 sign, 2 exponent,
# 3 and 4 significand.
session() {
  printf "$2" >"$out/session_fuzz/$1"
}
for kind in 0 1 2; do
  # a value in each kind, entered, every parameter row, X+ and X- in binary
  session "rows-$kind" "\x05\x0$kind\x00\x02\x00\x00\x031.5\x04\x01\x00\x06\x00\x06\x01\x06\x02\x06\x03\x06\x04\x06\x05\x05\x0a\x00\x06\x03\x06\x04"
  # bits typed, pasted, replaced and deleted at the caret, with wrong characters and surplus
  session "bits-$kind" "\x05\x0$kind\x00\x00\x02\xff\x031x1\x03\x02\xff\x03\x01\x03\x00\x0510a01\x02\x01\x00\x012\x00\x04\x05\x0501x10\x03\x04\x03\x02\x04\x02\x07"
  # the bulk buttons on the current field and on all fields
  session "bulk-$kind" "\x05\x0$kind\x00\x05\x04\x00\x04\x02\x00\x05\x07\x00\x04\x03\x01\x05\x08\x00\x05\x09\x00\x05\x03\x00\x05\x09\x00\x04\x01\x00\x05\x07\x00\x05\x08\x00\x04\x03\x00"
  # infinities and NaNs typed into the value edit
  session "special-$kind" "\x05\x0$kind\x00\x02\x00\x00\x04-inf\x04\x01\x00\x02\x00\x00\x03nan\x04\x02\x00\x02\x00\x00\x03abc"
done
# both languages with X rebuilt; About and Info closed with OK, Enter and Escape
session "languages" "\x04\x03\x00\x05\x06\x00\x06\x00\x05\x05\x00\x04\x01\x00\x05\x06\x00"
session "help" "\x05\x0b\x00\x05\x0b\x01\x05\x0b\x02\x05\x0c\x00\x05\x0c\x01\x05\x0c\x02"
# the summary saved to a new file, over an older one, cancelled, in both languages, closed
session "summary" "\x05\x0d\x00\x07\x00\x07\x01\x07\x02\x05\x06\x00\x07\x00\x07\x03\x05\x0d\x00\x07\x01\x07\x04"
