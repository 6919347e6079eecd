#!/usr/bin/env bash
# Times the shipped 32-bit exe under Wine against its yardsticks and prints the ratios.
# Usage: wine-bench.sh BUILD_DIR
set -uo pipefail
[ -n "${MW_IN_WINE_NS:-}" ] || exec "$(dirname "$0")/wine-ns.sh" "$0" "$@"
win32=$(cd "${1:?build/win32}" && pwd)
cd "$(dirname "$0")/.."
scripts/wine-mode.sh --explain >/dev/null
MW_BUILD=build source scripts/wine-env.sh
trap mw_cleanup EXIT
mw_display || exit 1
mw_wine_prefix || exit 1
export MW_EXE="$("$WINE" winepath -w "$win32/MaterialWeight.exe" 2>/dev/null | tr -d '\r')"
export MW_EMPTY_EXE="$("$WINE" winepath -w "$win32/EmptyDialog.exe" 2>/dev/null | tr -d '\r')"
export MW_TEMPLATE_EXE="$("$WINE" winepath -w "$win32/TemplateDialog.exe" 2>/dev/null | tr -d '\r')"
log=$(mktemp)
# Output to a file, not a pipe: started programs inherit the handle.
"$WINE" "$win32/wine_bench.exe" >"$log" 2>&1
rc=$?
tr -d '\r' <"$log"
rm -f "$log"
exit $rc
