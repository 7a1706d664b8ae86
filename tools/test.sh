#!/usr/bin/env bash
# Builds both configurations (native Linux and 32-bit Windows) and runs every
# test: the Windows suite under Wine. A compiler warning fails the build.
# Usage: tools/test.sh [ctest args...]
#
# Where the machine cannot run 32-bit programs (a kernel without 32-bit
# support), 32-bit Wine cannot start: the Windows suite then runs on a 64-bit
# build of the same sources under 64-bit Wine, and the 32-bit modules are
# still built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup-deps.sh"
# The house style is checked first and reported with the tests' outcome.
style=0
"$root/tools/check-style.sh" || { echo "Sources differ from the house style (.clang-format): run tools/check-style.sh --fix"; style=1; }

jobs=${JOBS:-$(nproc)}
native="$root/build/native"
win="$root/build/win"
win64="$root/build/win64"

configure_windows() {
  cmake -S "$root" -B "$1" -DCMAKE_BUILD_TYPE=Release -DQUILLET_WERROR=ON -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$2" >/dev/null
  cmake --build "$1" -j"$jobs"
}

cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=Release -DQUILLET_WERROR=ON >/dev/null
cmake --build "$native" -j"$jobs"
configure_windows "$win" mingw-i686.cmake
tested="$win"
if ! "$root/tools/can-run-32bit.sh"; then
  echo "This machine cannot run 32-bit programs: the Windows tests run on a 64-bit build."
  configure_windows "$win64" mingw-x86_64.cmake
  tested="$win64"
fi

status=$style
echo "== native tests =="
ctest --test-dir "$native" --output-on-failure -j"$jobs" "$@" || status=1
echo "== Windows tests (Wine, $(basename "$tested")) =="
ctest --test-dir "$tested" --output-on-failure -j"$jobs" "$@" || status=1
exit $status
