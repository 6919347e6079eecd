#!/usr/bin/env bash
# Runs the Windows test binary under Wine against the shipped 32-bit exe, offline (loopback only)
# beside the tests' own update server; always ends every Wine process and the server.
# Usage: wine-test.sh BUILD_DIR [GTEST_FILTER]
set -uo pipefail
[ -n "${MW_IN_WINE_NS:-}" ] || MW_NS_OFFLINE=1 exec "$(dirname "$0")/wine-ns.sh" "$0" "$@"
win32=$(cd "${1:?build/win32}" && pwd)
filter=${2:-}
cd "$(dirname "$0")/.."
scripts/wine-mode.sh --explain >/dev/null
MW_BUILD=build source scripts/wine-env.sh
source scripts/ftp-test-env.sh
trap 'mw_cleanup; mw_ftp_stop' EXIT
mw_display || exit 1
mw_wine_prefix || exit 1
mw_ftp_start || exit 1
export MW_EXE="$(mw_windows_path "$win32/MaterialWeight.exe")"
# Pictures the tests take of their windows land in build/screenshots as PNG files.
shots=$PWD/build/screenshots
rm -rf "$shots" && mkdir -p "$shots"
export MW_SHOTS="$(mw_windows_path "$shots")"
args=()
[ -n "$filter" ] && args+=("--gtest_filter=$filter")
mw_wine_run "$win32/e2e_tests.exe" --gtest_color=no "${args[@]}"
rc=$?
for bmp in "$shots"/*.bmp; do
  [ -e "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
exit $rc
