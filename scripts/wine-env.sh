#!/usr/bin/env bash
# Sourced by the scripts that run Windows programs: a Wine prefix of the build's own, a Chinese
# locale (code page 936) and a display (a virtual one when there is none).
: "${MW_BUILD:=build}"
MW_ARCH=$("$(dirname "${BASH_SOURCE[0]}")/wine-arch.sh")
if [ "$MW_ARCH" = win32 ]; then
  WINE=/usr/lib/wine/wine
else
  WINE=/usr/lib/wine/wine64
  export WINELOADER=$WINE
fi
export WINEARCH=$MW_ARCH
export WINEPREFIX="${WINEPREFIX:-$PWD/$MW_BUILD/wineprefix-$MW_ARCH}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8
export LC_ALL=
mw_started_xvfb=""

mw_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
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
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    mw_started_xvfb=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    kill "$mw_started_xvfb" 2>/dev/null || true
  done
  echo "no X display could be started" >&2
  return 1
}

mw_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$mw_started_xvfb" ] && kill "$mw_started_xvfb" 2>/dev/null || true
}
