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

# --check adds `check ok` after the same plan; --seconds sets the budget.
"$cutplan" --check "$work/job" > "$work/checked" 2> "$work/err" || fail "--check exits $?: $(cat "$work/err")"
[ "$(tail -n 1 "$work/checked")" = "check ok" ] || fail "no check line: $(cat "$work/checked")"
diff <(head -n -1 "$work/checked") <("$cutplan" "$work/job") > /dev/null || fail "--check changed the plan"
"$cutplan" --seconds 0.5 --check "$work/job" > "$work/out" 2> "$work/err" || fail "--seconds 0.5 exits $?"
grep -qx 'bars 3' "$work/out" || fail "--seconds changed the plan: $(cat "$work/out")"
"$cutplan" --seconds x "$work/job" > /dev/null 2>&1 && fail "--seconds x exits 0"
"$cutplan" --seconds 0 "$work/job" > /dev/null 2>&1 && fail "--seconds 0 exits 0"
"$cutplan" --seconds > /dev/null 2>&1 && fail "--seconds without a value exits 0"

# Lengths typed to the hundredth are cut exactly: 3 × 333.33 in one bar of 1000.
printf 'stock 1000
piece 333.33 3
' > "$work/hundredths"
"$cutplan" --check "$work/hundredths" > "$work/out" 2> "$work/err" || fail "hundredths exit $?: $(cat "$work/err")"
grep -qx 'bars 1' "$work/out" || fail "333.33 × 3 not in one bar: $(cat "$work/out")"

# Bars on hand that are exactly enough are planned; too few are said so.
printf 'stock 1000 2
piece 500 4
' > "$work/enough"
"$cutplan" "$work/enough" > "$work/out" 2> "$work/err" || fail "exactly enough bars refused: $(cat "$work/err")"
printf 'stock 1000 1
piece 500 4
' > "$work/short"
"$cutplan" "$work/short" > "$work/out" 2> "$work/err" && fail "too few bars exits 0"
grep -q '原料数量不够' "$work/err" || fail "too few bars not said: $(cat "$work/err")"

"$cutplan" "$work/missing" > /dev/null 2>&1 && fail "a missing file exits 0"
"$cutplan" > /dev/null 2>&1 && fail "no argument exits 0"
echo "cutplan command: ok"
