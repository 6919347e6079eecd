#!/usr/bin/env bash
# The set-up's package steps against a stub apt-get that fails the way a mirror caught mid-sync
# does: an index that fails to download, then an install that apt cannot resolve until it reads
# the point release alone. No network, no root, nothing on the machine touched.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/apt-steps.sh"

work=$(mktemp -d /tmp/mw-setup-test.XXXXXX)
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/etc/sources.list.d"
export MW_APT_ETC=$work/etc MW_APT_PAUSE=0 MW_APT_TRIES=3 MW_OS_RELEASE=$work/os-release
echo 'VERSION_CODENAME=bookworm' >"$work/os-release"
export STUB=$work
PATH=$work/bin:$PATH

# The stub: logs each call; "update" fails STUB_UPDATE_FAILS times; "install" acts by STUB_INSTALL:
#   ok | missing | unresolvable (always) | mid-sync (unresolvable unless a private source list is
#   given, whose sources file it keeps as seen.sources).
cat >"$work/bin/apt-get" <<'STUB'
#!/usr/bin/env bash
echo "apt-get $*" >>"$STUB/calls"
private=""
for arg in "$@"; do
  case $arg in Dir::Etc::SourceParts=*) private=${arg#Dir::Etc::SourceParts=} ;; esac
done
case $1 in
  update)
    n=$(cat "$STUB/update-count" 2>/dev/null || echo 0)
    echo $((n + 1)) >"$STUB/update-count"
    if [ -z "$private" ] && [ "$n" -lt "${STUB_UPDATE_FAILS:-0}" ]; then
      echo "Err:6 http://deb.debian.org/debian-security bookworm-security/main i386 Packages"
      echo "  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 192.0.2.1 80]"
      echo "E: Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 192.0.2.1 80]"
      echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
      exit 100
    fi
    exit 0 ;;
  install)
    [ -n "$private" ] && cp "$private"/*.sources "$STUB/seen.sources"
    case ${STUB_INSTALL:-ok} in
      ok) exit 0 ;;
      missing) echo "E: Unable to locate package wine33"; exit 100 ;;
      mid-sync|unresolvable)
        if [ "$STUB_INSTALL" = mid-sync ] && [ -n "$private" ]; then exit 0; fi
        cat <<'APT'
Some packages could not be installed. This may mean that you have
requested an impossible situation or if you are using the unstable
distribution that some required packages have not yet been created
or been moved out of Incoming.
The following information may help to resolve the situation:

The following packages have unmet dependencies:
 libwine:i386 : Depends: liblzma5:i386 (>= 5.1.1alpha+20120614) but it is not going to be installed
 wine32:i386 : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed
E: Unable to correct problems, you have held broken packages.
APT
        exit 100 ;;
    esac ;;
esac
exit 0
STUB
chmod +x "$work/bin/apt-get"

passed=0 failed=0
check() {  # NAME CONDITION...
  local name=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name" >&2; fi
}
fresh() {
  rm -f "$work/calls" "$work/update-count" "$work/seen.sources" "$work/out"
  rm -f "$work/etc/sources.list" "$work"/etc/sources.list.d/*
}
calls() { grep -c "^apt-get $1" "$work/calls" 2>/dev/null || true; }
said() { grep -qF -- "$1" "$work/out"; }
lines() { wc -l <"$work/out" | tr -d ' '; }
deb822() {
  cat >"$work/etc/sources.list.d/debian.sources" <<'SRC'
Types: deb
URIs: http://debian.mirror.test/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://debian.mirror.test/debian-security
Suites: bookworm-security
Components: main
SRC
}

# An index that fails twice is fetched at the third try, with a message for each pause.
fresh; deb822
STUB_UPDATE_FAILS=2 apt_refresh 2>"$work/out"
check "refresh ends well" [ $? -eq 0 ]
check "refresh tries three times" [ "$(calls update)" = 3 ]
check "refresh says why it waits" said "Packages.xz: File has unexpected size (374820 != 376004). Mirror sync in progress?); trying again in 0 s"
check "refresh does not give up" eval '! said "going on without"'

# An index that never comes: set-up goes on, having said so once.
fresh; deb822
STUB_UPDATE_FAILS=9 apt_refresh 2>"$work/out"
check "refresh goes on" [ $? -eq 0 ]
check "refresh stops trying" [ "$(calls update)" = 3 ]
check "refresh says it goes on" said "going on without the package indexes that failed to download"

# The mirror caught mid-sync: the install is retried against the point release alone, through
# a private configuration naming the machine's own mirror; the machine's sources stay as they are.
fresh; deb822
before=$(cat "$work/etc/sources.list.d/debian.sources")
STUB_INSTALL=mid-sync apt_install wine32:i386 wine64 2>"$work/out"
check "mid-sync install succeeds" [ $? -eq 0 ]
check "mid-sync installs twice" [ "$(calls install)" = 2 ]
check "first install uses the machine's sources" [ "$(grep -m1 '^apt-get install' "$work/calls")" = "apt-get install -y -q --no-install-recommends wine32:i386 wine64" ]
check "retry reads only the private sources" grep -q '^apt-get install -y -q --no-install-recommends -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts=.* -o Dir::State::Lists=.*/lists wine32:i386 wine64$' "$work/calls"
check "retry fetches its own indexes" grep -q '^apt-get update -q -o Dir::Etc::SourceList=/dev/null' "$work/calls"
check "retry names the machine's mirror" grep -qx 'URIs: http://debian.mirror.test/debian' "$work/seen.sources"
check "retry reads the point release" grep -qx 'Suites: bookworm bookworm-updates' "$work/seen.sources"
check "retry keeps the key" grep -qx 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' "$work/seen.sources"
check "retry is said" said "installing from the point release alone (bookworm bookworm-updates)"
check "machine's sources unchanged" [ "$before" = "$(cat "$work/etc/sources.list.d/debian.sources")" ]
check "no private folder left" eval '[ -z "$(ls -d /tmp/mw-apt.* 2>/dev/null | xargs -r grep -l debian.mirror.test 2>/dev/null)" ]'

# Unresolvable even against the point release: one line naming the packages and why.
fresh; deb822
STUB_INSTALL=unresolvable apt_install wine32:i386 2>"$work/out"
check "unresolvable fails" [ $? -ne 0 ]
check "unresolvable says why in one line" said "setup: cannot install wine32:i386: libwine:i386: Depends: liblzma5:i386 (>= 5.1.1alpha+20120614) but it is not going to be installed; wine32:i386: Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed"
check "unresolvable prints two lines only" [ "$(lines)" = 2 ]

# A package that no index has is no mid-sync case: no retry, one line.
fresh; deb822
STUB_INSTALL=missing apt_install wine33 2>"$work/out"
check "missing fails" [ $? -ne 0 ]
check "missing is not retried" [ "$(calls install)" = 1 ]
check "missing says which" said "setup: cannot install wine33: wine33: no such package in the indexes"
check "missing prints one line" [ "$(lines)" = 1 ]

# The qemu step: backports from the machine's own mirror, read from a one-line source list too,
# and its retry reads the backports suite as well.
fresh
cat >"$work/etc/sources.list" <<'SRC'
# the machine's own mirror
deb http://debian.mirror.test/debian-security bookworm-security main
deb [arch=amd64,i386 signed-by=/etc/apt/keys/mirror.gpg] http://debian.mirror.test/debian bookworm main contrib
SRC
check "mirror from a one-line list" [ "$(debian_mirror)" = "http://debian.mirror.test/debian /etc/apt/keys/mirror.gpg" ]
add_backports_source
check "backports from the same mirror" grep -qx 'URIs: http://debian.mirror.test/debian' "$work/etc/sources.list.d/bookworm-backports.sources"
check "backports suite" grep -qx 'Suites: bookworm-backports' "$work/etc/sources.list.d/bookworm-backports.sources"
check "backports key" grep -qx 'Signed-By: /etc/apt/keys/mirror.gpg' "$work/etc/sources.list.d/bookworm-backports.sources"
INSTALL_OPTIONS=(-t bookworm-backports)
POINT_RELEASE_EXTRA=(bookworm-backports)
STUB_INSTALL=mid-sync apt_install qemu-user 2>"$work/out"
check "qemu step retried" [ $? -eq 0 ]
check "qemu retry reads backports" grep -qx 'Suites: bookworm bookworm-updates bookworm-backports' "$work/seen.sources"
check "qemu retry keeps the target" grep -q '^apt-get install .*Dir::State::Lists=.* -t bookworm-backports qemu-user$' "$work/calls"
fresh
check "no Debian source: no backports" eval '! add_backports_source 2>/dev/null'

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
