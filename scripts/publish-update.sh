#!/usr/bin/env bash
# Lays out a release for the update server: OUT/updateKq/ with the files and list.ini (CRLF line
# ends, a SHA-256 digest for every file), ready to be served read-only over anonymous FTP (see
# README, "Updates"). The first file is the new executable that the program starts.
# The folder is replaced as a whole, so a program asking meanwhile sees the old release or none.
# Usage: scripts/publish-update.sh VERSION OUT NEW.exe [FILE...]
set -euo pipefail

die() { echo "publish-update: $*" >&2; exit 1; }

[ $# -ge 3 ] || die "usage: $0 VERSION OUT NEW.exe [FILE...]"
version=$1 out=$2
shift 2
[[ $version =~ ^[0-9]+(\.[0-9]+)?$ ]] || die "the version must be a number such as 9.0, not '$version'"
[ $# -le 100 ] || die "at most 100 files in one update"

# The program refuses a list whose names are not plain file names of their own: check them here.
# ASCII only, because servers and clients may not agree on the encoding of other names.
declare -A seen=()
names=()
for file in "$@"; do
  [ -f "$file" ] || die "no such file: $file"
  name=$(basename -- "$file")
  [[ $name =~ ^[A-Za-z0-9._~+\ -]+$ ]] || die "'$name': use letters, digits, blanks and . _ ~ + - only"
  [[ $name =~ [.\ ]$ || $name == . || $name == .. ]] && die "'$name' ends in a dot or blank"
  lower=${name,,}
  base=${lower%%.*}
  base=${base%"${base##*[! ]}"}
  [[ $base =~ ^(con|prn|aux|nul|com[1-9]|lpt[1-9]|conin\$|conout\$|clock\$)$ ]] && die "'$name' is a device name"
  case $lower in
    list.ini|list.ini.tmp|configkq.ini|configkq.ini.tmp|weightlistkq.txt|weightlistkq.txt.tmp|weightlistkq.txt.damaged*|~update|~replaced)
      die "'$name' is a name the program keeps for itself" ;;
    materialweight.exe) die "'$name' is the name of the copies already installed: give the new one a name of its own" ;;
  esac
  [ -z "${seen[$lower]:-}" ] || die "'$name' is named twice"
  seen[$lower]=1
  names+=("$name")
done
[[ ${names[0],,} == *.exe ]] || die "the first file, the new executable, must end in .exe"

mkdir -p "$out"
stage=$(mktemp -d "$out/.updateKq.XXXXXX")
trap 'rm -rf "$stage"' EXIT
{
  printf '[newversion]\r\nnewversion=%s\r\n' "$version"
  printf '[upexe]\r\nupexe=%s\r\n' "${names[0]}"
  printf '[upnumber]\r\nupnumber=%d\r\n' "${#names[@]}"
  printf '[filelist]\r\n'
  for i in "${!names[@]}"; do printf '%d=%s\r\n' $((i + 1)) "${names[$i]}"; done
  printf '[sha256]\r\n'
  i=1
  for file in "$@"; do
    printf '%d=%s\r\n' $i "$(sha256sum -- "$file" | cut -d' ' -f1)"
    i=$((i + 1))
  done
} >"$stage/list.ini"
for file in "$@"; do cp -- "$file" "$stage/"; done
chmod -R a+rX "$stage"

if [ -d "$out/updateKq" ]; then mv "$out/updateKq" "$stage.old"; fi
mv "$stage" "$out/updateKq"
rm -rf "$stage.old"
echo "published version $version: $out/updateKq/list.ini and ${#names[@]} file(s)"
