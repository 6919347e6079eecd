#!/usr/bin/env bash
# The cutplan command: a job's plan on standard output, a bad file's line on standard error with
# a non-zero exit.
set -uo pipefail
cutplan=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

printf '# three pieces that fill a bar with two cuts\nstock 6000\nkerf 3\npiece 1998 3\npiece 1500 4 # and four more\n' > "$work/job"
"$cutplan" "$work/job" > "$work/out" 2> "$work/err" || fail "a good job exits $?: $(cat "$work/err")"
grep -qx 'pattern 1 6000 1998 1998 1998' "$work/out" || fail "no exact-fit pattern: $(cat "$work/out")"
grep -qx 'bars 3' "$work/out" || fail "not 3 bars: $(cat "$work/out")"
grep -qx 'bound 3' "$work/out" || fail "not bound 3: $(cat "$work/out")"
[ "$(grep -c '^pattern ' "$work/out")" -ge 1 ] || fail "no pattern lines"

printf 'stock 6000\nkerf 3\n\npiece 1500 4\npiece 1500 x\n' > "$work/bad"
"$cutplan" "$work/bad" > "$work/out" 2> "$work/err" && fail "a bad file exits 0"
grep -q '第5行' "$work/err" || fail "the message names no line: $(cat "$work/err")"
[ -s "$work/out" ] && fail "a bad file printed a plan"

printf 'stock 6000\npiece 6001 1\n' > "$work/long"
"$cutplan" "$work/long" > "$work/out" 2> "$work/err" && fail "a piece longer than the stock exits 0"
grep -q '零件第2行' "$work/err" || fail "the long piece is not named: $(cat "$work/err")"

"$cutplan" "$work/missing" > /dev/null 2>&1 && fail "a missing file exits 0"
"$cutplan" > /dev/null 2>&1 && fail "no argument exits 0"
echo "cutplan command: ok"
