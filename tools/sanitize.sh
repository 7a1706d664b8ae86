#!/usr/bin/env bash
# Builds the native configuration with the address and undefined-behaviour
# sanitizers in build/sanitize and runs its tests: a read past a buffer, a
# use after free, a leak or an overflow fails the run even where the result
# happened to come out right. CI runs it after tools/test.sh.
# Usage: tools/sanitize.sh [ctest args...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup-deps.sh"
build="$root/build/sanitize"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLET_SANITIZE=ON -DQUILLET_WERROR=ON >/dev/null
cmake --build "$build" -j"${JOBS:-$(nproc)}"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
echo "== native tests under the sanitizers =="
ctest --test-dir "$build" --output-on-failure -j"${JOBS:-$(nproc)}" "$@"
