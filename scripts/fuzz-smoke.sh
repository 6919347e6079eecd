#!/usr/bin/env bash
# Runs one fuzz target on a scratch copy of its seed corpus for a number of seconds.
set -euo pipefail
target=$1 corpus=$2 seconds=${3:-20}
[ -x "$target" ] || { echo "fuzz target $target is not built (make fuzz)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[ -d "$corpus" ] && cp -r "$corpus"/. "$work"/ 2>/dev/null || true
"$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/" "$work" 2>"$work.log" || {
  tail -n 60 "$work.log"; rm -f "$work.log"; exit 1; }
grep -E '^(stat::number_of_executed_units|Done)' "$work.log" || true
rm -f "$work.log"
