#!/usr/bin/env bash
# Decides, once per build folder, how this machine runs the shipped 32-bit exe under Wine, and
# prints the decision ("native" or "qemu"):
#   native  the kernel runs 32-bit code: Wine's 32-bit loader starts as it is;
#   qemu    the kernel runs no 32-bit code: Wine's 32-bit loader runs under qemu-i386 user mode,
#           registered for i386 programs only inside a private namespace (scripts/wine-ns.sh).
# Every step that starts the exe (tests, run, screenshots, benchmarks) follows this one answer.
# --explain prints it as a sentence as well, on standard error. MW_WINE_MODE=qemu tries the
# qemu way on a machine that would not need it.
set -euo pipefail
cd "$(dirname "$0")/.."
record=build/wine-mode

decide() {
  # Wine's own 32-bit loader needs the kernel's 32-bit support; try the plainest 32-bit program.
  if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then echo native; else echo qemu; fi
}

if [ ! -s "$record" ]; then
  mkdir -p build
  decide >"$record"
fi
mode=${MW_WINE_MODE:-$(cat "$record")}
if [ "${1:-}" = --explain ]; then
  case $mode in
    native) echo "wine: the 32-bit exe runs natively (this kernel runs 32-bit code)" >&2 ;;
    qemu)   echo "wine: the 32-bit exe runs through qemu-i386 user mode in a private namespace (this kernel runs no 32-bit code)" >&2 ;;
  esac
fi
echo "$mode"
