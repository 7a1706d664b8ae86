#!/usr/bin/env bash
# Runs a Windows program under Wine in the prefix of the build that made it.
# The prefix lives beside the CMake cache of the build that runs the test.
set -euo pipefail
build=${QUILLET_BUILD_DIR:-$PWD}
while [ ! -f "$build/CMakeCache.txt" ] && [ "$build" != / ]; do build=$(dirname "$build"); done
# shellcheck source=wine-env.sh
source "$(dirname "$0")/wine-env.sh" "$build"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$(dirname "$0")/wine-prefix.sh" "$build"
fi
exec "$wine" "$@"
