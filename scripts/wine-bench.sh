#!/usr/bin/env bash
# Times the shipped 32-bit exe under Wine against its yardsticks and prints the ratios beside
# their targets (MW_BENCH_ROUNDS start-ups each, 7 by default; MW_BENCH_VERBOSE=1 prints every
# round), then runs the soak (MW_SOAK_SCALE shortens it).
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
export MW_EXE="$(mw_windows_path "$win32/MaterialWeight.exe")"
export MW_EMPTY_EXE="$(mw_windows_path "$win32/EmptyDialog.exe")"
export MW_TEMPLATE_EXE="$(mw_windows_path "$win32/TemplateDialog.exe")"
export MW_PAGE_EXE="$(mw_windows_path "$win32/PageDialog.exe")"
export MW_PAGE_DLL_EXE="$(mw_windows_path "$win32/PageDllDialog.exe")"
mw_wine_run "$win32/wine_bench.exe"
rc=$?
mw_wine_run "$win32/soak_bench.exe" || rc=1
exit $rc
