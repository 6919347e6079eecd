#!/usr/bin/env bash
# The Wine test script's reading of Google Test filters: which tests a filter selects, and the
# filter of the main run with the tests that run apart left out.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/gtest-filter.sh"
failures=0
check() {  # check DESCRIPTION EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1: expected '$2', got '$3'"
    failures=$((failures + 1))
  fi
}
selects() { mw_filter_selects "$1" "$2" && echo yes || echo no; }

# A folder with files named like tests: a pattern must never match file names instead.
cd "$(mktemp -d)" && touch Tray.Docked StartHidden.A && trap 'rm -rf "$PWD"' EXIT

check "no filter selects every test" yes "$(selects StartHidden.A '')"
check "a star selects every test" yes "$(selects Tray.Docked '*')"
check "a star selects names of no file" yes "$(selects Tray.Other '*')"
check "a suite pattern" yes "$(selects Tray.Other 'Tray.*')"
check "another suite's pattern" no "$(selects StartHidden.A 'Tray.*')"
check "one of several patterns" yes "$(selects StartHidden.A 'Tray.*:StartHidden.A')"
check "a question mark stands for one character" yes "$(selects StartHidden.A 'StartHidden.?')"
check "a question mark is not two characters" no "$(selects StartHidden.AB 'StartHidden.?')"
check "the whole name, not a part" no "$(selects StartHidden.A 'Start')"
check "left out by the negative part" no "$(selects StartHidden.A '*-StartHidden.*')"
check "kept by the negative part" yes "$(selects Tray.Docked '*-StartHidden.*')"
check "only a negative part" no "$(selects Tray.Docked '-Tray.*')"
check "only a negative part keeps the rest" yes "$(selects StartHidden.A '-Tray.*')"
check "the second negative pattern" no "$(selects Tray.Docked 'Tray.*-Tray.Other:Tray.Docked')"

check "no filter" '*-StartHidden.*:Tray.Docked' "$(mw_filter_without '' 'StartHidden.*:Tray.Docked')"
check "a positive filter" 'Tray.*-StartHidden.*' "$(mw_filter_without 'Tray.*' 'StartHidden.*')"
check "a filter with a negative part" 'Tray.*-Tray.A:StartHidden.*' "$(mw_filter_without 'Tray.*-Tray.A' 'StartHidden.*')"
check "an empty negative part" 'Tray.*-StartHidden.*' "$(mw_filter_without 'Tray.*-' 'StartHidden.*')"
check "only a negative part" '-Tray.A:StartHidden.*' "$(mw_filter_without '-Tray.A' 'StartHidden.*')"

[ $failures -eq 0 ] && echo "gtest-filter: all checks passed"
exit $((failures > 0))
