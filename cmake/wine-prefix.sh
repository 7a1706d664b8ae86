#!/usr/bin/env bash
# Creates a 32-bit Wine prefix that needs no display (null graphics driver).
set -euo pipefail
prefix=$1
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$(dirname "$prefix")"
lock="$prefix.lock"
exec 9>"$lock"
flock 9
if [ ! -f "$prefix/system.reg" ] || ! grep -q '"Graphics"="null"' "$prefix/user.reg" 2>/dev/null; then
  wineboot -i >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  wineserver -w
fi
