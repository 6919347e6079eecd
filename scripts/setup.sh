#!/usr/bin/env bash
# Installs whatever the build and the tests need on a Debian 12 machine; quick when all is there.
set -euo pipefail

# command that proves the package is there -> package
declare -A needs=(
  [cmake]=cmake
  [g++]=g++
  [clang++]=clang
  [i686-w64-mingw32-g++]=g++-mingw-w64-i686
  [i686-w64-mingw32-windres]=binutils-mingw-w64-i686
  [x86_64-w64-mingw32-g++]=g++-mingw-w64-x86-64
  [wine]=wine
  [Xvfb]=xvfb
  [xauth]=xauth
  [import]=imagemagick
  [xdpyinfo]=x11-utils
  [python3]=python3
)
missing=()
for cmd in "${!needs[@]}"; do
  command -v "$cmd" >/dev/null 2>&1 || missing+=("${needs[$cmd]}")
done
[ -d /usr/src/googletest ]                        || missing+=(googletest)
[ -f /usr/include/gtest/gtest.h ]                 || missing+=(libgtest-dev)
[ -f /usr/include/benchmark/benchmark.h ]         || missing+=(libbenchmark-dev)
[ -f /usr/share/fonts/truetype/wqy/wqy-microhei.ttc ] || missing+=(fonts-wqy-microhei)
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || missing+=(libclang-rt-dev)
# Wine's 32-bit half runs the 32-bit exe; it needs the i386 architecture.
dpkg -s wine32:i386 >/dev/null 2>&1 || missing+=(wine32:i386)

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "setup: missing packages: ${missing[*]} (run as root to install them)" >&2
  exit 1
fi
echo "setup: installing ${missing[*]}"
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}" wine64
