#!/usr/bin/env bash
# Runs a command where Wine can start the 32-bit exe. Natively that is here; on a kernel without
# 32-bit support it is a private user and mount namespace whose own binfmt_misc hands i386
# programs to qemu-i386, so nothing outside the command changes and two runs never meet.
# Every process that starts a 32-bit program must be a descendant of this one.
# With MW_NS_OFFLINE=1 the command also gets a network of its own with only the loopback
# interface, so that nothing it starts can reach another machine (the tests use this).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mode=$("$here/wine-mode.sh")
offline=${MW_NS_OFFLINE:-}

if [ -n "${MW_IN_WINE_NS:-}" ]; then
  exec "$@"
fi

if [ -z "${MW_NS_STAGE:-}" ]; then
  flags=()
  if [ "$mode" = qemu ]; then
    flags+=(--user --map-root-user --mount)
  elif [ -n "$offline" ] && [ "$(id -u)" -ne 0 ]; then
    flags+=(--user --map-root-user)
  fi
  [ -n "$offline" ] && flags+=(--net)
  if [ ${#flags[@]} -gt 0 ]; then
    MW_NS_STAGE=inside exec unshare "${flags[@]}" "$0" "$@"
  fi
fi

if [ -n "$offline" ]; then
  PATH=$PATH:/usr/sbin:/sbin ip link set lo up
fi

if [ "$mode" = native ]; then
  unset MW_NS_STAGE
  export MW_IN_WINE_NS=1
  exec "$@"
fi

# Inside the namespace: a binfmt_misc of our own, with qemu-i386 opened at registration (flag F),
# so that it serves every i386 program started below, whatever their root and working folder.
qemu=$(command -v qemu-i386 || true)
[ -n "$qemu" ] || { echo "wine-ns: qemu-i386 is missing (scripts/setup.sh installs it)" >&2; exit 1; }
# The folder is only a mount point: each namespace mounts its own binfmt_misc on it.
binfmt=/tmp/.mw-binfmt
mkdir -p "$binfmt"
mount -t binfmt_misc binfmt_misc "$binfmt"
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
printf '%s' ":qemu-i386:M::$magic:$mask:$qemu:F" >"$binfmt/register"
unset MW_NS_STAGE
export MW_IN_WINE_NS=1
exec "$@"
