#!/usr/bin/env bash
# Runs the Windows test binary under Wine against the shipped 32-bit exe, offline (loopback only)
# beside the tests' own update server, on a display with a window manager; a few tests run apart
# (see below). Always ends every Wine process, the server and the display.
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
source scripts/gtest-filter.sh
source scripts/cups-test-env.sh
trap 'mw_cleanup; mw_ftp_stop; mw_cups_stop' EXIT
# Wine lists the printers when it starts: the PDF queue comes first.
mw_cups_start || exit 1
mw_display || exit 1
mw_wine_prefix || exit 1
mw_cups_export_paths
mw_ftp_start || exit 1
export MW_EXE="$(mw_windows_path "$win32/MaterialWeight.exe")"
# Pictures the tests take of their windows land in build/screenshots as PNG files.
shots=$PWD/build/screenshots
rm -rf "$shots" && mkdir -p "$shots"
export MW_SHOTS="$(mw_windows_path "$shots")"

# Runs the tests that match PATTERN on their own, with a wineserver of their own that starts
# through the rest of the arguments (a command prefix; none for a plain start).
run_apart() {
  local pattern=$1 log rc
  shift
  wineserver -k >/dev/null 2>&1; wineserver -w
  log=$(mktemp)
  "$@" "$WINE" "$win32/e2e_tests.exe" --gtest_color=no "--gtest_filter=$pattern" >"$log" 2>&1
  rc=$?
  tr -d '\r' <"$log"
  rm -f "$log"
  wineserver -k >/dev/null 2>&1; wineserver -w
  return $rc
}

# Runs the tests that match PATTERN at a system uptime of SECONDS: Wine's tick count follows its
# server's monotonic clock, so their wineserver starts in a Linux time namespace whose clocks say
# the system started SECONDS ago.
run_at_uptime() {
  local pattern=$1 seconds=$2 now offset
  if ! unshare --time true 2>/dev/null; then
    echo "wine-test: no time namespaces here (Linux 5.6 and later have them); $pattern cannot run" >&2
    return 1
  fi
  now=$(cut -d' ' -f1 /proc/uptime); now=${now%.*}
  offset=$((seconds - now))
  run_apart "$pattern" unshare --time --monotonic="$offset" --boottime="$offset"
}

# Runs the tests that match PATTERN with the program in a folder no write can reach, even as root:
# a read-only bind mount in a mount namespace of their own, whose wineserver starts inside it.
# Beside the exe lie an earlier version's settings file and weight list, for the first start to
# carry over.
run_read_only() {
  local pattern=$1 folder=$PWD/build/read-only-folder
  rm -rf "$folder" && mkdir -p "$folder" && cp "$win32/MaterialWeight.exe" "$folder/" || return 1
  printf '[Setting]\r\ndanwei=2\r\n' >"$folder/ConfigKq.ini"
  printf '材料重量清单\t1\r\n默认单价\t0\r\n钢板一\t900×1000×10\t\t70.65\t2026-01-01 08:00:00\t\r\n' \
    >"$folder/WeightListKq.txt"
  MW_READONLY_FOLDER="$(mw_windows_path "$folder")"
  export MW_READONLY_FOLDER
  run_apart "$pattern" unshare --mount --propagation private \
    sh -c 'mount --bind "$0" "$0" && mount -o remount,bind,ro "$0" && exec "$@"' "$folder"
  local rc=$?
  unset MW_READONLY_FOLDER
  return $rc
}

# The start-hidden tests depend on the system's uptime: each runs on its own at the uptime it is
# about (a minute; a day). Edge docking slides the window almost wholly off the screen, which
# Windows allows and a window manager does not (openbox keeps a tenth of every window on the
# screen, and no setting changes that): that test runs on the display without one.
at_uptime=(StartHidden.TheWindowStartsHiddenRightAfterTheSystemStarted 60
           StartHidden.TheWindowShowsWhenTheSystemHasRunLonger 86400)
bare=(TrayShell.DockedAtTheTopItSlidesAwayAndBackWithTheCursor)
# Without any printer: the queue goes for that test (Wine then finds none when it starts).
printerless=(PrintPreview.WithoutAPrinterTheUserIsToldAndNothingChanges)
apart=StartHidden.*:ReadOnlyFolder.*
for name in "${bare[@]}" "${printerless[@]}"; do apart+=":$name"; done
# Everything runs at 96 dots per inch (or MW_DPI); the display-scaling suite then runs again at
# each of MW_DPIS, and the prefix is left at 96.
mw_set_dpi "${MW_DPI:-96}" || exit 1
mw_wine_run "$win32/e2e_tests.exe" --gtest_color=no "--gtest_filter=$(mw_filter_without "$filter" "$apart")"
rc=$?
for ((i = 0; i < ${#at_uptime[@]}; i += 2)); do
  mw_filter_selects "${at_uptime[i]}" "$filter" || continue
  run_at_uptime "${at_uptime[i]}" "${at_uptime[i + 1]}" || rc=1
done
if mw_filter_selects ReadOnlyFolder.TheFilesLiveInTheUsersFolderAcrossARestartAndTheExesFolderIsUntouched "$filter"; then
  run_read_only 'ReadOnlyFolder.*' || rc=1
fi
if [ -z "$filter" ] || [[ "$filter" == *DisplayScaling* ]]; then
  # Only the display-scaling tests run again: the others expect 96 dots per inch.
  scaling=$(tr ':' '\n' <<<"${filter:-DisplayScaling.*}" | grep '^DisplayScaling' | paste -sd:)
  for dpi in ${MW_DPIS-120 144 192}; do
    echo "== DisplayScaling at $dpi dots per inch"
    mw_set_dpi "$dpi" || { rc=1; break; }
    mw_wine_run "$win32/e2e_tests.exe" --gtest_color=no "--gtest_filter=${scaling:-DisplayScaling.*}" || rc=1
  done
  mw_set_dpi 96 || rc=1
fi
for name in "${printerless[@]}"; do
  mw_filter_selects "$name" "$filter" || continue
  mw_cups_remove_queue
  MW_NO_PRINTER=1 run_apart "$name" || rc=1
  mw_cups_add_queue || rc=1
done
for name in "${bare[@]}"; do
  mw_filter_selects "$name" "$filter" || continue
  mw_stop_window_manager
  run_apart "$name" || rc=1
done
for bmp in "$shots"/*.bmp; do
  [ -e "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
exit $rc
