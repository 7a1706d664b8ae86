#!/usr/bin/env bash
# Starts Quillet.exe under Wine on a workspace (or with none), building it
# first when needed. With no display ($DISPLAY unset) it runs on a virtual
# screen instead, captures the window once the list is filled and prints the
# PNG's path.
#
#   tools/quillet.sh [--wait SECONDS (15)] [--png OUT.png] [WORKSPACE.dsw]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
wait=15
png=
while [ $# -gt 0 ]; do
  case "$1" in
    --wait) wait=$2; shift 2 ;;
    --png) png=$2; shift 2 ;;
    -h|--help) sed -n '2,7p' "$0"; exit 0 ;;
    *) break ;;
  esac
done

# The 32-bit build where this machine runs 32-bit programs, else the same
# sources built for 64-bit Windows.
if "$root/tools/can-run-32bit.sh"; then
  build="$root/build/win" toolchain=mingw-i686.cmake
else
  build="$root/build/win64" toolchain=mingw-x86_64.cmake
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" >/dev/null
cmake --build "$build" --target Quillet -j"$(nproc)" >/dev/null
program="$build/app/Quillet.exe"

args=()
if [ $# -ge 1 ]; then
  workspace=$(realpath -e "$1")
  # Wine's drive Z: is the Linux root.
  args=("Z:${workspace//\//\\}")
fi

if [ -n "${DISPLAY:-}" ] && [ -z "$png" ]; then
  # shellcheck source=../cmake/wine-env.sh
  QUILLET_PREFIX_SUFFIX=-x11 source "$root/cmake/wine-env.sh" "$build"
  cd "$(dirname "$program")"
  exec "$wine" "$program" "${args[@]}"
fi
"$root/tools/screenshot.sh" "${png:-$build/quillet.png}" --wait "$wait" "$program" "${args[@]}"
