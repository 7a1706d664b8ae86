#!/usr/bin/env bash
# Builds both configurations (native Linux and 32-bit Windows) and runs every
# test: the Windows suite under Wine. Usage: tools/test.sh [ctest args...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup-deps.sh"

jobs=${JOBS:-$(nproc)}
native="$root/build/native"
win="$root/build/win"

cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$native" -j"$jobs"
cmake -S "$root" -B "$win" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$win" -j"$jobs"

status=0
echo "== native tests =="
ctest --test-dir "$native" --output-on-failure -j"$jobs" "$@" || status=1
echo "== Windows tests (Wine) =="
ctest --test-dir "$win" --output-on-failure -j"$jobs" "$@" || status=1
exit $status
