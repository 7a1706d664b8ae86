#!/usr/bin/env bash
# start: make sure the build's prefix exists and keep one wineserver alive.
# stop: end that wineserver.
set -euo pipefail
action=$1 build=$2
export WINEPREFIX="$build/wineprefix" WINEARCH=win32 WINEDEBUG=-all
case "$action" in
  start)
    "$(dirname "$0")/wine-prefix.sh" "$WINEPREFIX"
    wineserver -p
    ;;
  stop)
    wineserver -k || true
    ;;
esac
