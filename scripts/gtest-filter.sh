#!/usr/bin/env bash
# Sourced by scripts/wine-test.sh: Google Test filters (POSITIVE[-NEGATIVE], patterns split by
# ':', '*' and '?' wildcards; an empty positive part means every test) as the test binary reads them.

# Whether FILTER (every test when empty) selects the test NAME (Suite.Test).
mw_filter_selects() (
  set -f
  local name=$1 filter=${2:-*} positive negative="" pattern hit=""
  positive=${filter%%-*}
  [[ $filter == *-* ]] && negative=${filter#*-}
  IFS=:
  for pattern in ${positive:-*}; do [[ $name == $pattern ]] && hit=1; done
  [ -n "$hit" ] || return 1
  for pattern in $negative; do [[ $name == $pattern ]] && return 1; done
  return 0
)

# FILTER (every test when empty) with the tests that match PATTERNS (':'-separated) left out.
mw_filter_without() {
  local filter=${1:-*}
  [[ $filter == *-* ]] || filter+=-
  [[ $filter == *- ]] || filter+=:
  printf '%s\n' "$filter$2"
}
