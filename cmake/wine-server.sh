#!/usr/bin/env bash
# start: make sure the build's prefix exists and keep one wineserver alive.
# stop: end that wineserver.
set -euo pipefail
action=$1 build=$2
# shellcheck source=wine-env.sh
source "$(dirname "$0")/wine-env.sh" "$build"
case "$action" in
  start)
    "$(dirname "$0")/wine-prefix.sh" "$build"
    # The daemon and the session's helper processes (services, the desktop)
    # must not hold the caller's output open: ctest would wait for them. A
    # first program started here brings the helpers up detached from it.
    wineserver -p </dev/null >/dev/null 2>&1
    "$wine" cmd /c exit </dev/null >/dev/null 2>&1 || true
    ;;
  stop)
    wineserver -k || true
    ;;
esac
