#!/usr/bin/env bash
# Runs the Windows test binary under Wine against the real exe; always ends every Wine process.
set -uo pipefail
win32=$(cd "${1:?build/win32}" && pwd)
filter=${2:-}
cd "$(dirname "$0")/.."
MW_BUILD=build source scripts/wine-env.sh
trap mw_cleanup EXIT
mw_display || exit 1
mw_wine_prefix
export MW_EXE="$("$WINE" winepath -w "$win32/MaterialWeight.exe" 2>/dev/null | tr -d '\r')"
log=$(mktemp)
args=()
[ -n "$filter" ] && args+=("--gtest_filter=$filter")
# Output to a file, not a pipe: started programs inherit the handle.
"$WINE" "$win32/e2e_tests.exe" --gtest_color=no "${args[@]}" >"$log" 2>&1
rc=$?
cat "$log" | tr -d '\r'
rm -f "$log"
exit $rc
