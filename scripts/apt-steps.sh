# Package steps of the set-up, sourced by scripts/setup.sh (and by its test, with a stub apt-get).
# A Debian mirror caught mid-sync is a normal event: an index that fails to download is tried
# again a few times, and an install that cannot be resolved because the architectures' indexes
# disagree is tried once more against the point release alone, through a private apt
# configuration for that one command. The machine's own sources are never changed by that.
#
# Knobs (for the test): MW_APT_ETC (apt's configuration folder, /etc/apt), MW_APT_TRIES (3),
# MW_APT_PAUSE (seconds between tries, 10), MW_OS_RELEASE (/etc/os-release).

apt_etc() { echo "${MW_APT_ETC:-/etc/apt}"; }

# Options of the next apt_install (e.g. -t SUITE), and further suites its point-release retry reads.
INSTALL_OPTIONS=()
POINT_RELEASE_EXTRA=()

# The Debian release's code name: bookworm on Debian 12.
debian_codename() {
  local name
  name=$(sed -n 's/^VERSION_CODENAME=//p' "${MW_OS_RELEASE:-/etc/os-release}" 2>/dev/null | tr -d '"')
  echo "${name:-bookworm}"
}

# Prints "URI SIGNED-BY" of the machine's own source of the release's main suite (suite exactly
# the code name), from one-line .list files and deb822 .sources files alike; SIGNED-BY is "-"
# when the source names no key. Nothing printed, status 1, when no such source is there.
debian_mirror() {
  local codename etc file
  codename=$(debian_codename)
  etc=$(apt_etc)
  for file in "$etc/sources.list" "$etc"/sources.list.d/*.list "$etc"/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    case $file in
      *.sources)
        awk -v want="$codename" '
          function flush() {
            if (types ~ /(^| )deb( |$)/ && uri != "" && (" " suites " ") ~ (" " want " ") && enabled != "no") {
              print uri, (key == "" ? "-" : key); found = 1; exit
            }
            types = uri = suites = key = enabled = ""
          }
          /^[ \t]*$/ { flush(); next }
          /^#/ { next }
          /^Types:/ { sub(/^Types:[ \t]*/, ""); types = $0 }
          /^URIs:/ { sub(/^URIs:[ \t]*/, ""); split($0, u, /[ \t]+/); uri = u[1] }
          /^Suites:/ { sub(/^Suites:[ \t]*/, ""); suites = $0 }
          /^Signed-By:/ { sub(/^Signed-By:[ \t]*/, ""); key = $0 }
          /^Enabled:/ { sub(/^Enabled:[ \t]*/, ""); enabled = $0 }
          END { if (!found) flush() }
        ' "$file"
        ;;
      *)
        awk -v want="$codename" '
          $1 != "deb" { next }
          {
            i = 2; key = "-"
            if ($2 ~ /^\[/) {
              for (; i <= NF; i++) {
                if ($i ~ /^\[?signed-by=/) { key = $i; sub(/^\[?signed-by=/, "", key); sub(/\]$/, "", key) }
                if ($i ~ /\]$/) { i++; break }
              }
            }
            if ($(i + 1) == want) { print $i, key; exit }
          }
        ' "$file"
        ;;
    esac
  done | head -n 1 | grep . || return 1
}

# Adds the release's backports suite, from the same mirror as the machine's own Debian source
# (a machine behind its own mirror keeps using it), unless a source names it already.
add_backports_source() {
  local backports mirror
  backports="$(debian_codename)-backports"
  grep -rqs -- "$backports" "$(apt_etc)/sources.list" "$(apt_etc)/sources.list.d/" && return 0
  if ! mirror=$(debian_mirror); then
    echo "setup: no Debian source of $(debian_codename) in $(apt_etc) to take $backports from" >&2
    return 1
  fi
  {
    echo "Types: deb"
    echo "URIs: ${mirror% *}"
    echo "Suites: $backports"
    echo "Components: main"
    [ "${mirror#* }" = - ] || echo "Signed-By: ${mirror#* }"
  } >"$(apt_etc)/sources.list.d/$backports.sources"
}

# apt-get update, tried again a few times with a pause when an index fails to download. It never
# ends the set-up: what matters is whether the packages then install.
apt_refresh() {
  local tries=${MW_APT_TRIES:-3} pause=${MW_APT_PAUSE:-10} try log
  log=$(mktemp)
  for ((try = 1; try <= tries; try++)); do
    if apt-get update -q "$@" >"$log" 2>&1 && ! grep -q '^[EW]: Failed to fetch\|^E: ' "$log"; then
      rm -f "$log"
      return 0
    fi
    if ((try < tries)); then
      echo "setup: a package index failed to download ($(apt_first_error "$log")); trying again in ${pause} s" >&2
      sleep "$pause"
    fi
  done
  echo "setup: going on without the package indexes that failed to download ($(apt_first_error "$log"))" >&2
  rm -f "$log"
  return 0
}

# The first error apt printed, in a few words: the failed file and why.
apt_first_error() {
  local line
  line=$(grep -m1 '^E: Failed to fetch' "$1" 2>/dev/null || grep -m1 '^E: \|^Err:' "$1" 2>/dev/null)
  line=${line#E: }
  line=$(sed -E 's/^Failed to fetch ([^ ]+)[ ]+(.*)$/\1: \2/; s/ \[IP: [^]]*\]//; s/[ ]+Hashes of expected file.*//' <<<"$line")
  echo "${line:-apt-get update failed}"
}

# Why an install failed, in one line: the packages apt names and the reason it gives for each.
apt_install_reason() {
  local log=$1 reasons
  reasons=$(
    {
      sed -n 's/^E: Unable to locate package \(.*\)$/\1: no such package in the indexes/p' "$log"
      sed -n "s/^E: Package '\([^']*\)' has no installation candidate\$/\1: no installation candidate/p" "$log"
      sed -n 's/^ \([^ :]*\(:[a-z0-9]*\)\?\) : \(.*\)$/\1: \3/p' "$log"
    } | sed 's/[ ]\+/ /g' | awk '!seen[$0]++' | paste -sd ';' - | sed 's/;/; /g'
  )
  if [ -z "$reasons" ]; then
    reasons=$(grep -m1 '^E: ' "$log" | sed 's/^E: //')
  fi
  echo "${reasons:-apt-get install failed}"
}

# The install failed because dependencies could not be resolved (not a download or disk fault).
apt_unresolvable() {
  grep -q 'Unable to correct problems\|unmet dependencies\|but it is not going to be installed\|but it is not installable\|held broken packages' "$1"
}

# A private apt configuration that reads only the point release (the code name and its -updates
# suite, plus any EXTRA suites) from the machine's own Debian mirror, with its own index folder.
# Prints the folder; apt options go through apt_private_options FOLDER.
apt_point_release_config() {
  local mirror uri key dir codename suites
  mirror=$(debian_mirror) || return 1
  uri=${mirror% *}
  key=${mirror#* }
  codename=$(debian_codename)
  suites="$codename $codename-updates $*"
  dir=$(mktemp -d /tmp/mw-apt.XXXXXX)
  mkdir -p "$dir/lists/partial"
  {
    echo "Types: deb"
    echo "URIs: $uri"
    echo "Suites: ${suites% }"
    echo "Components: main"
    [ "$key" = - ] || echo "Signed-By: $key"
  } >"$dir/point-release.sources"
  echo "$dir"
}

apt_private_options() {
  echo "-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts=$1 -o Dir::State::Lists=$1/lists"
}

# apt-get install of the packages given; INSTALL_OPTIONS (an array, may be empty) go before them.
# When apt cannot resolve the install, it is tried once more against the point release alone
# (with the suites in POINT_RELEASE_EXTRA as well). Fails with one line naming the packages and
# why, when even that cannot install them.
apt_install() {
  local log dir status
  log=$(mktemp)
  if apt-get install -y -q --no-install-recommends "${INSTALL_OPTIONS[@]}" "$@" >"$log" 2>&1; then
    rm -f "$log"
    return 0
  fi
  if ! apt_unresolvable "$log"; then
    echo "setup: cannot install $*: $(apt_install_reason "$log")" >&2
    rm -f "$log"
    return 1
  fi
  if ! dir=$(apt_point_release_config "${POINT_RELEASE_EXTRA[@]}"); then
    echo "setup: cannot install $*: $(apt_install_reason "$log") (and no Debian source of $(debian_codename) to retry from)" >&2
    rm -f "$log"
    return 1
  fi
  echo "setup: the package indexes disagree (a mirror caught mid-sync?); installing from the point release alone ($(sed -n 's/^Suites: //p' "$dir/point-release.sources")), the machine's sources unchanged" >&2
  # shellcheck disable=SC2046
  if apt_refresh $(apt_private_options "$dir") &&
     apt-get install -y -q --no-install-recommends $(apt_private_options "$dir") "${INSTALL_OPTIONS[@]}" "$@" >"$log" 2>&1; then
    rm -rf "$log" "$dir"
    return 0
  fi
  echo "setup: cannot install $*: $(apt_install_reason "$log")" >&2
  rm -rf "$log" "$dir"
  return 1
}
