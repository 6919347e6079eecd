#!/usr/bin/env bash
# Sourced by the scripts that run Windows programs, inside scripts/wine-ns.sh: a 64-bit Wine
# prefix of the build's own with its 32-bit part (wineserver, services and explorer stay 64-bit;
# the 32-bit exe goes to Wine's 32-bit loader), a Chinese locale (code page 936) and a display
# (a virtual one when there is none).
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
}

mw_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  # A display of this run's own (Xvfb picks a free number), so that parallel runs never share
  # windows or a clipboard.
  local numberfile n
  numberfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numberfile" >/dev/null 2>&1 &
  mw_started_xvfb=$!
  for _ in $(seq 100); do
    n=$(head -n 1 "$numberfile")
    [ -n "$n" ] && break
    sleep 0.1
  done
  rm -f "$numberfile"
  if [ -n "$n" ]; then
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  fi
  kill "$mw_started_xvfb" 2>/dev/null || true
  echo "no X display could be started" >&2
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

mw_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$mw_started_xvfb" ] && kill "$mw_started_xvfb" 2>/dev/null || true
}

# The display's dots per inch for the Windows programs started after it (Wine's LogPixels); a
# running wineserver keeps the old value, so it is ended and the next program starts a new one.
mw_set_dpi() {
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${1:?dpi}" /f >/dev/null 2>&1 || return 1
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}
