#!/usr/bin/env bash
# Installs whatever the build and the tests need on a Debian 12 machine; quick when all is there.
# Machine-wide it adds only packages (and, where the kernel runs no 32-bit code, Debian's
# bookworm-backports source for qemu-user) and the zh_CN.UTF-8 locale; it registers nothing with
# binfmt_misc: scripts/wine-ns.sh does that inside a private namespace for each run.
set -euo pipefail
source "$(dirname "$0")/apt-steps.sh"

# command that proves the package is there -> package
declare -A needs=(
  [cmake]=cmake
  [g++]=g++
  [clang++]=clang
  [i686-w64-mingw32-g++]=g++-mingw-w64-i686
  [i686-w64-mingw32-windres]=binutils-mingw-w64-i686
  [wine]=wine
  [Xvfb]=xvfb
  [openbox]=openbox
  [xauth]=xauth
  [import]=imagemagick
  [xdpyinfo]=x11-utils
  [python3]=python3
  [unshare]=util-linux
  [locale-gen]=locales
)
missing=()
for cmd in "${!needs[@]}"; do
  command -v "$cmd" >/dev/null 2>&1 || missing+=("${needs[$cmd]}")
done
[ -d /usr/src/googletest ]                        || missing+=(googletest)
[ -f /usr/include/gtest/gtest.h ]                 || missing+=(libgtest-dev)
[ -f /usr/include/benchmark/benchmark.h ]         || missing+=(libbenchmark-dev)
[ -f /usr/share/fonts/truetype/wqy/wqy-microhei.ttc ] || missing+=(fonts-wqy-microhei)
# The update server of the end-to-end tests, under Debian's own interpreter, and the loopback
# interface of their private network.
/usr/bin/python3 -c 'import pyftpdlib' >/dev/null 2>&1 || missing+=(python3-pyftpdlib)
[ -x /usr/sbin/ip ] || [ -x /sbin/ip ] || [ -x /bin/ip ] || missing+=(iproute2)
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || missing+=(libclang-rt-dev)
# Wine's 32-bit half runs the 32-bit exe; it needs the i386 architecture.
dpkg -s wine32:i386 >/dev/null 2>&1 || missing+=(wine32:i386)
# Printing in the tests: a CUPS server with a queue that writes PDF files, the tools that read
# them back, and the CUPS library of Wine's 32-bit half (Wine finds no printer without it).
[ -x /usr/sbin/cupsd ] || missing+=(cups)
[ -x /usr/lib/cups/backend/cups-pdf ] || missing+=(printer-driver-cups-pdf)
command -v pdftotext >/dev/null 2>&1 || missing+=(poppler-utils)
dpkg -s libcups2:i386 >/dev/null 2>&1 || missing+=(libcups2:i386)

need_root() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: $1 (run as root to install it)" >&2
    exit 1
  fi
}
export DEBIAN_FRONTEND=noninteractive

if [ ${#missing[@]} -gt 0 ]; then
  need_root "missing packages: ${missing[*]}"
  echo "setup: installing ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt_refresh
  apt_install "${missing[@]}" wine64
fi

# Code page 936 under Wine comes from the zh_CN.UTF-8 locale, which must be generated.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN\.utf8'; then
  need_root "the zh_CN.UTF-8 locale is not generated"
  echo "setup: generating the zh_CN.UTF-8 locale"
  sed -i 's/^# *\(zh_CN\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -qx 'zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
fi

# A kernel without 32-bit support runs Wine's 32-bit loader through qemu user mode. Bookworm's own
# qemu 7.2 takes about a minute per process start; the backports' 10.x is quick.
qemu_is_recent() {
  command -v qemu-i386 >/dev/null 2>&1 &&
    [ "$(qemu-i386 --version | sed -n 's/^qemu-i386 version \([0-9]*\).*/\1/p')" -ge 10 ]
}
if [ "$("$(dirname "$0")/wine-mode.sh")" = qemu ] && ! qemu_is_recent; then
  need_root "qemu-user 10 from bookworm-backports is missing"
  echo "setup: installing qemu-user from bookworm-backports (this kernel runs no 32-bit code)"
  add_backports_source
  apt_refresh
  # Without its recommended qemu-user-binfmt: no machine-wide registration.
  INSTALL_OPTIONS=(-t "$(debian_codename)-backports")
  POINT_RELEASE_EXTRA=("$(debian_codename)-backports")
  apt_install qemu-user
fi
