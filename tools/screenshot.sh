#!/usr/bin/env bash
# Takes a screenshot of any of the system's Windows programs as a person
# would see it: the program runs under Wine's X11 driver on a virtual X
# server, and the whole screen is captured once it has had time to draw.
#
#   tools/screenshot.sh OUT.png [--wait SECONDS] [--size WxH] PROGRAM.exe [ARGS...]
#
# The prefix is a separate one (beside the program's build, "wineprefix-x11"),
# because the test prefix uses the null graphics driver. Example:
#   tools/screenshot.sh docs/screenshots/sheet-tabs.png \
#       build/win64/tools/scenes/gui_demo.exe sheet 0 6
set -euo pipefail

usage() { sed -n '2,12p' "$0" >&2; exit 2; }
[ $# -ge 2 ] || usage
out=$(realpath -m "$1"); shift
wait=3 size=1024x768
while [ $# -gt 0 ]; do
  case "$1" in
    --wait) wait=$2; shift 2 ;;
    --size) size=$2; shift 2 ;;
    *) break ;;
  esac
done
[ $# -ge 1 ] || usage
program=$(realpath -e "$1"); shift

build=$(dirname "$program")
while [ ! -f "$build/CMakeCache.txt" ] && [ "$build" != / ]; do build=$(dirname "$build"); done
[ "$build" != / ] || build=$(dirname "$program")

QUILLET_PREFIX_SUFFIX=-x11
# shellcheck source=../cmake/wine-env.sh
source "$(dirname "$0")/../cmake/wine-env.sh" "$build"

# A free display number: the first without a lock file.
display=99
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=":$display"
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$wine" wineboot -i </dev/null >/dev/null 2>&1 || true
fi
# X11 driver, and no window manager needed: Wine draws its own frames.
"$wine" reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f </dev/null >/dev/null 2>&1 || true
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f </dev/null >/dev/null 2>&1 || true

cd "$(dirname "$program")"
"$wine" "$program" "$@" </dev/null >/dev/null 2>&1 &
program_pid=$!
sleep "$wait"
mkdir -p "$(dirname "$out")"
import -display ":$display" -window root "$out"
echo "$out"
