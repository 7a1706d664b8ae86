#!/usr/bin/env bash
# Usage: check-no-calls.sh NM LIBRARY OTHER-LIBRARY...
# Fails, naming the symbols, when LIBRARY refers to anything that one of the
# other libraries defines: a layer that must be handed what lies elsewhere,
# or that lies below it, never calls it itself.
set -euo pipefail
nm=$1
library=$2
shift 2

defined() {
  "$nm" --defined-only "$@" | awk 'NF == 3 && $2 ~ /^[TDBR]$/ { print $3 }' | sort -u
}

# What the library's objects take from outside the library.
needed=$("$nm" --undefined-only "$library" | awk '$1 == "U" { print $2 }' | sort -u |
         comm -23 - <(defined "$library"))
found=$(comm -12 <(printf '%s\n' "$needed") <(defined "$@"))
if [ -n "$found" ]; then
  echo "$(basename "$library") calls into $(for l in "$@"; do basename "$l"; done | tr '\n' ' '):"
  printf '%s\n' "$found"
  exit 1
fi
