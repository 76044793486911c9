#!/usr/bin/env bash
# cli_vs_python.sh BINORA_CLI [ROWS] [ROUNDS]
# binora-cli against bench/read_outs64.py, the same binary64 TSV read-outs written with
# Python's standard library: one batch of ROWS random decimal texts (default 200,000; fixed
# seed, magnitudes from 1e-300 to 1e300, both signs), ROUNDS alternating rounds (default 5).
# Prints the median wall time of each, their ratio, and whether the outputs are identical.
set -euo pipefail
cli=${1:?usage: cli_vs_python.sh BINORA_CLI [ROWS] [ROUNDS]}
rows=${2:-200000}
rounds=${3:-5}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$work/batch" "$rows" <<'PY'
import random, sys
r = random.Random(2026)
with open(sys.argv[1], 'w') as f:
    for _ in range(int(sys.argv[2])):
        f.write('%s%d.%de%d\n' % (r.choice(['', '-']), r.randint(0, 999),
                                  r.randint(0, 10**12), r.randint(-300, 300)))
PY

# Milliseconds of one run with the batch on standard input; its output is kept in $2.
milliseconds() {
  local out=$1 start end
  shift
  start=$(date +%s%N)
  "$@" <"$work/batch" >"$out" || true
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: >"$work/cli.ms"
: >"$work/python.ms"
for _ in $(seq "$rounds"); do
  milliseconds "$work/cli.tsv" "$cli" --kind 64 --format tsv >>"$work/cli.ms"
  milliseconds "$work/python.tsv" python3 "$here/read_outs64.py" >>"$work/python.ms"
done
cli_ms=$(median <"$work/cli.ms")
python_ms=$(median <"$work/python.ms")
same="DIFFERENT"
cmp -s "$work/cli.tsv" "$work/python.tsv" && same="identical"
awk -v c="$cli_ms" -v p="$python_ms" -v n="$rows" -v s="$same" -v r="$rounds" 'BEGIN {
  printf "%d binary64 rows, median of %d rounds: binora-cli %d ms, Python %d ms, ratio %.1fx; outputs %s\n",
    n, r, c, p, p / (c > 0 ? c : 1), s }'
