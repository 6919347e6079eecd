#!/usr/bin/env bash
# Runs the Windows test binary under Wine against the shipped 32-bit exe, offline (loopback only)
# beside the tests' own update server; always ends every Wine process and the server.
# Usage: wine-test.sh BUILD_DIR [GTEST_FILTER]
# MW_DPI: the display's dots per inch for the whole run (96); MW_DPIS: the others at which the
# display-scaling suite runs as well ("120 144 192"; empty for none).
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
# Everything runs at 96 dots per inch (or MW_DPI); the display-scaling suite then runs again at
# each of MW_DPIS, and the prefix is left at 96.
mw_set_dpi "${MW_DPI:-96}" || exit 1
mw_wine_run "$win32/e2e_tests.exe" --gtest_color=no "${args[@]}"
rc=$?
if [ -z "$filter" ] || [[ "$filter" == *DisplayScaling* ]]; then
  for dpi in ${MW_DPIS-120 144 192}; do
    echo "== DisplayScaling at $dpi dots per inch"
    mw_set_dpi "$dpi" || { rc=1; break; }
    mw_wine_run "$win32/e2e_tests.exe" --gtest_color=no "--gtest_filter=${filter:-DisplayScaling.*}" || rc=1
  done
  mw_set_dpi 96 || rc=1
fi
for bmp in "$shots"/*.bmp; do
  [ -e "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
exit $rc
