#!/usr/bin/env bash
# Writes the seed corpora of the fuzz targets into the directory $1 (one sub-directory per
# target), from the decimal test vectors in tests/data/parse-number-fxx: every 25th line of
# each file and all of more-test-cases.txt; the two session targets get sessions that reach
# every control, the arithmetic target the cases its lessons are about. Each seed is one
# file.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$1
vectors="$top/tests/data/parse-number-fxx"
mkdir -p "$out"/{decimal_reader_fuzz,value_edit_fuzz,bit_edit_fuzz,session_fuzz,cli_lines_fuzz}
mkdir -p "$out/widget_session_fuzz" "$out/arith_fuzz" "$out/arith_window_fuzz"

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

# Sessions on the real window (fuzz/widget_session_fuzz.cpp gives the byte layout): the
# actions, then the answers to the boxes, dialogs and file dialogs they open (the rest are
# closed with Enter and saves cancelled), then the number of answers.
# Clickable controls by number: 00 Exit, 01 the value edit, 02-04 kind radios, 05-08 the
# binary128 edits, 09-0b binary32's, 0c-0e binary64's, 0f 0's, 10 1's, 11 0 <--> 1, 12 class,
# 13 parameter value, 14 About, 15 Info, 16 cursor position, 17 field width, 18 Binary box,
# 19 the list, 1a summary, 1b-1c scope radios, 1d-1e language radios; with the summary open
# 1f its OK and 20 its save button. Edits for drags: 00 the value edit, 01-04 binary128's,
# 05-07 binary32's, 08-0a binary64's, 0b-0e the read-outs. Keys: 00 Backspace, 01 Delete,
# 02 Home, 03 End, 04-07 arrows, 0a-0d with Shift, 12 Ctrl+A, 13-15 cut, copy, paste,
# 16 undo, 1a Tab, 1b Shift+Tab, 1c Space, 1d Enter, 1f Escape. Characters: 00-05 bits,
# 09 ".", 0b "-", 0d "e", 11-13 "inf", 14 "a", 19 "x", 1b-1e beyond ASCII. Answers to a
# box or dialog: 00 Enter, 01 Escape, 02 OK, 03 close box, 04 Space, 05 Tab; to the file
# dialog: 00 a new file, 01 an older file, 02 cancel.
widget() { # NAME ACTIONS [ANSWERS], every byte written as \xHH
  local answers=${3:-}
  printf "$2$answers\\x$(printf %02x $((${#answers} / 4)))" >"$out/widget_session_fuzz/$1"
}
signs=(09 0c 05) exponents=(0a 0d 06) significands=(0b 0e 07) drags=(07 0a 03)
for kind in 0 1 2; do
  radio="\x02\x0$((kind + 2))\x10\x00"
  s="\x02\x${signs[kind]}\x00\x00" e="\x02\x${exponents[kind]}\x80\x00"
  f="\x02\x${significands[kind]}\x40\x00" drag="\x07\x${drags[kind]}\x10\xe0"
  value="\x02\x01\xff\x00\x01\x12" # the value edit clicked, its text selected
  # a value typed over the old one, entered, every parameter row by mouse and keyboard
  widget "rows-$kind" "$radio$value\x00\x02\x01\x09\x07$f\x04\x00\x00\x04\x01\x00\x04\x02\x00\x04\x03\x00\x04\x04\x00\x04\x05\x00\x02\x18\x08\x00\x04\x03\x01\x04\x04\x02\x01\x02\x01\x07\x01\x03\x01\x06\x01\x08\x01\x09\x02\x19\xc0\x00"
  # bits typed, selected, pasted, cut, undone and deleted, with wrong characters and surplus
  widget "bits-$kind" "$radio$s\x01\x0d\x00\x00\x01\x01\x03\x00\x00\x19$e\x00\x00\x14\x03\x02\x03\x01\x16$f\x06\x00\x02\x06\x01\x01\x00\x01\x01\x00\x03\x04\x02$drag\x00\x00\x00\x01\x13\x01\x15\x01\x18\x01\x19\x01\x14\x01\x10\x01\x11\x02\x08\x20\x00\x01\x0c\x00\x00\x01" "\x00\x02\x01\x03\x04\x05\x06\x00"
  # the bulk buttons on the current field and on all fields
  widget "bulk-$kind" "$radio\x02\x1c\x08\x00$e\x02\x0f\x40\x00\x02\x10\x40\x00\x02\x11\x40\x00$f\x02\x11\x40\x00\x02\x1b\x08\x00\x02\x0f\x40\x00\x02\x10\x40\x00$s\x02\x11\x40\x00$s"
  # infinities, NaNs, unreadable and overflowing values typed and pasted into the value edit
  widget "special-$kind" "$radio$value\x00\x03\x0b\x11\x12\x13$s$value\x00\x02\x12\x14\x12$s$value\x00\x02\x14\x19\x15$value\x03\x03\x20$value\x00\x05\x01\x0d\x0b\x08\x08\x08" "\x02\x03\x01\x00"
done
# keyboard navigation: Tab and Shift+Tab around the window, arrows in the radio groups,
# Space, Enter and keypad Enter
widget "keys" "\x06\x1a\x13\x06\x1b\x06\x02\x02\x08\x00\x01\x07\x01\x07\x01\x06\x02\x1b\x08\x00\x01\x07\x02\x1d\x08\x00\x01\x05\x01\x04\x01\x1c\x01\x1d\x01\x1e\x06\x1a\x05\x01\x1c"
# both languages with X rebuilt
widget "languages" "\x02\x1e\x08\x00\x02\x01\xff\x00\x01\x12\x00\x02\x01\x09\x07\x02\x09\x00\x00\x02\x1d\x08\x00\x02\x1e\x08\x00\x04\x00\x00\x02\x1d\x08\x00"
# About and Info closed with Enter, Escape, OK, the close box, and Space after Tab, in
# both languages
about="\x02\x14\x08\x00" info="\x02\x15\x08\x00"
widget "help" "$about$about$about$about$about$info$info$info$info\x02\x1e\x08\x00$about$info" "\x00\x01\x02\x03\x05\x04\x00\x01\x02\x03\x05\x04\x05\x04"
# the summary: saved to a new file, over an older one, cancelled, opened again in English
# and saved, closed with OK, Enter, Escape and its close box, left open when Exit is clicked
summary="\x02\x1a\x08\x00" save="\x02\x20\x08\x00"
widget "summary" "$summary$save$save$save\x02\x1e\x08\x00$summary$save\x01\x1a\x02\x1f\x08\x00$summary\x01\x1d$summary\x01\x1f$summary\x05\x01$summary\x02\x00\x08\x00" "\x00\x00\x01\x01\x02\x00\x02"
# the program closed by Exit, Escape and the close box
widget "exit-button" "\x02\x00\x08\x00"
widget "exit-escape" "\x01\x1f"
widget "exit-close-box" "\x05\x00"
# blanks, letters, bytes of any value and long texts pasted; characters beyond ASCII typed
widget "paste" "\x02\x01\xff\x00\x01\x12\x03\x01\x05\x01\x12\x03\x02\x03\x01\x12\x03\x00\x06\x31\x2e\x00\xff\x0a\x35\x01\x12\x03\x04\x10\x02\x0b\x40\x00\x03\x01\x03\x03\x04\x00" "\x00\x01\x02\x03"
widget "unicode" "\x02\x01\xff\x00\x01\x12\x00\x03\x1b\x1c\x1d\x1e\x02\x0b\x40\x00\x00\x00\x1c\x01\x02\x01\x0d\x00\x00\x1e\x02\x01\x10\x00\x07\x00\x00\xff\x00\x00\x1e" "\x00\x01\x02"

# Operations (fuzz/arith_fuzz.cpp gives the byte layout): operation (0 add, 2 mul, 3 div,
# 4 fma, 5 sqrt, 6 rem, 7 convert; +08 b made from a, +10 fma's c from a * b), result format
# and operand format (0 binary32, 1 binary64, 2 binary128, 3 binary16, 4 bfloat16, 5 E5M2,
# 6 E4M3), direction (0 rne, 1 rna, 2 rtz, 3 rup, 4 rdn; +80 saturating), then the operands'
# words, least significant byte first.
arith() {
  printf "$2" >"$out/arith_fuzz/$1"
}
arith "point-one-plus-point-two" "\x00\x01\x00\x00\x9a\x99\x99\x99\x99\x99\xb9\x3f\x9a\x99\x99\x99\x99\x99\xc9\x3f"
arith "smallest-subnormal-halved" "\x03\x01\x00\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x40"
arith "product-error" "\x04\x01\x00\x00\x01\x00\x00\x00\x00\x00\xf0\x3f\x01\x00\x00\x00\x00\x00\xf0\x3f\x02\x00\x00\x00\x00\x00\xf0\xbf"
arith "e4m3-overflow" "\x00\x06\x00\x00\x7e\x7e"
arith "e4m3-divide-by-zero-saturating" "\x03\x06\x00\x80\x38\x00"
arith "nan-payload-to-binary16" "\x07\x03\x01\x00\x01\x00\x00\x00\x00\x00\xf4\x7f"
arith "midpoint-to-binary16" "\x07\x03\x01\x00\x00\x00\x00\x00\x00\x20\xf0\x3f"
arith "binary128-square-root" "\x05\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x40"
arith "binary32-remainder" "\x06\x00\x00\x00\x00\x00\xe0\x40\x00\x00\x00\x40"
arith "bfloat16-overflow-down" "\x02\x04\x00\x04\x7f\x7f\x00\x40"
arith "binary16-cancelling" "\x08\x03\x00\x00\x66\x2e\x01\x00"
arith "binary32-product-error" "\x14\x00\x00\x01\xcd\xcc\xcc\x3d\x9a\x99\x99\x3e\x00\x00\x00\x00"

# Sessions on the arithmetic window (fuzz/arith_window_fuzz.cpp gives the byte layout).
# Characters: 00-05 digits 0 1 2 3 5 9, 06 ".", 07 "e", 09 "-", 0b "x", 0e-11 "i n f a".
# Keys: 00 Backspace, 0f Tab, 10 Shift+Tab, 11 Space, 13 Escape. Lists: 00 format,
# 01 operation, 02 source, 03 lesson (even steps byte: down). Mnemonics: 09 R (RO), 0a E (EN).
arith() { # NAME ACTIONS, every byte written as \xHH
  printf "$2" >"$out/arith_window_fuzz/$1"
}
arith sum '\x00\x03\x00\x06\x01\x01\x0f\x00\x03\x00\x06\x02\x05\x03\x06\x09\x02\x00\x80'
arith unreadable '\x00\x02\x09\x01\x01\x0f\x00\x01\x02\x01\x10\x00\x02\x07\x09\x01\x00'
arith lessons '\x04\x03\x06\x05\x01\x04\x03\x00\x04\x03\x02\x06\x09\x04\x03\x04'
arith formats '\x00\x01\x02\x01\x0f\x00\x01\x03\x04\x00\x02\x04\x01\x02\x04\x00\x06\x04\x01\x06'
