#!/usr/bin/env bash
# Sourced by the scripts that run Windows programs, inside scripts/wine-ns.sh: a 64-bit Wine
# prefix of the build's own with its 32-bit part (wineserver, services and explorer stay 64-bit;
# the 32-bit exe goes to Wine's 32-bit loader), a Chinese locale (code page 936) and a display
# (a virtual one, with a window manager, when there is none).
: "${MW_BUILD:=build}"
WINE=/usr/lib/wine/wine64
export WINELOADER=$WINE
export WINEARCH=win64
export WINEPREFIX="${WINEPREFIX:-$PWD/$MW_BUILD/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8
export LC_ALL=
mw_started_xvfb=""
mw_started_wm=""

# Wine takes code page 936 from the locale only when the system has it generated.
mw_check_locale() {
  if ! locale -a 2>/dev/null | grep -qix 'zh_CN\.utf8'; then
    echo "the zh_CN.UTF-8 locale is not generated (scripts/setup.sh does it); Wine would not use code page 936" >&2
    return 1
  fi
}

mw_wine_prefix() {
  mw_check_locale || return 1
  if [ ! -f "$WINEPREFIX/system.reg" ] || [ ! -d "$WINEPREFIX/drive_c/windows/syswow64" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    # Dialogs ask for 宋体; let Wine draw it with the CJK font that is installed.
    "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v '宋体' /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1 || true
    "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'SimSun' /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1 || true
    wineserver -w
  fi
  mw_own_frames
}

# Windows draw their own captions and frames, as on Windows, rather than asking the window
# manager for its own: pictures of windows look as they do on Windows, and a dialog gets no
# buttons it does not have.
mw_own_frames() {
  grep -q '^"Decorated"="N"' "$WINEPREFIX/user.reg" 2>/dev/null && return 0
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1 || true
  wineserver -w
}

mw_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  # A display of this run's own (Xvfb picks a free number), so that parallel runs never share
  # windows or a clipboard. The window manager keeps windows on the screen: 1920×1200 leaves room
  # for a tool window beside the main window.
  local numberfile n
  numberfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp 3>"$numberfile" >/dev/null 2>&1 &
  mw_started_xvfb=$!
  for _ in $(seq 100); do
    n=$(head -n 1 "$numberfile")
    [ -n "$n" ] && break
    sleep 0.1
  done
  rm -f "$numberfile"
  if [ -n "$n" ]; then
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && { mw_window_manager; return; }; sleep 0.1; done
  fi
  kill "$mw_started_xvfb" 2>/dev/null || true
  echo "no X display could be started" >&2
  return 1
}

# A light window manager on the virtual display, as every desktop has one: without it Wine waits
# about two seconds for each window it hides, and nothing keeps top-most windows above the others.
# It runs with the project's own configuration, never the user's, and is ready once it has taken
# the display.
mw_window_manager() {
  local config log attempt
  config=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/openbox-rc.xml
  log=$(mktemp)
  for attempt in 1 2 3; do
    openbox --sm-disable --config-file "$config" >/dev/null 2>"$log" &
    mw_started_wm=$!
    for _ in $(seq 100); do
      if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        rm -f "$log"
        return 0
      fi
      kill -0 "$mw_started_wm" 2>/dev/null || break
      sleep 0.1
    done
    mw_stop_window_manager
  done
  echo "the window manager (openbox) did not take the display:" >&2
  cat "$log" >&2
  rm -f "$log"
  mw_cleanup
  return 1
}

# A Linux path as the Windows programs see it.
mw_windows_path() {
  "$WINE" winepath -w "$1" 2>/dev/null | tr -d '\r'
}

# Runs a Windows program and prints its output as Linux text; returns the program's exit code.
# Its output goes to a file, not a pipe: the programs it starts inherit the handle.
mw_wine_run() {
  local log rc
  log=$(mktemp)
  "$WINE" "$@" >"$log" 2>&1
  rc=$?
  tr -d '\r' <"$log"
  rm -f "$log"
  return $rc
}

# Ends the window manager that mw_display started, leaving the display bare.
mw_stop_window_manager() {
  if [ -n "$mw_started_wm" ]; then
    kill "$mw_started_wm" 2>/dev/null && wait "$mw_started_wm" 2>/dev/null
    mw_started_wm=""
  fi
  return 0
}

mw_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  mw_stop_window_manager
  if [ -n "$mw_started_xvfb" ]; then
    kill "$mw_started_xvfb" 2>/dev/null && wait "$mw_started_xvfb" 2>/dev/null
    mw_started_xvfb=""
  fi
  return 0
}

# The display's dots per inch for the Windows programs started after it (Wine's LogPixels); a
# running wineserver keeps the old value, so it is ended and the next program starts a new one.
mw_set_dpi() {
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${1:?dpi}" /f >/dev/null 2>&1 || return 1
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}
