#!/usr/bin/env bash
# regsvr32 registers and unregisters the shipped QLAddIn.dll under Wine.
# Usage: regsvr32.sh BUILD QLAddIn.dll QLShared.dll
set -euo pipefail
build=$1 addin=$2 shared=$3
run="$(dirname "$0")/../../cmake/wine-run.sh"
export QUILLET_BUILD_DIR=$build
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$addin" "$shared" "$folder"
dll="Z:${folder//\//\\}\\QLAddIn.dll"
class='HKCR\CLSID\{9D0B833A-8236-4121-A6EB-DD2033B234A0}\InprocServer32'

"$run" regsvr32 /s "$dll"
"$run" reg query "$class" /ve | grep -qF "$dll" || { echo "not registered: $class"; exit 1; }
"$run" reg query 'HKCR\QLADDIN Developer Studio Add-in\CLSID' /ve >/dev/null

"$run" regsvr32 /u /s "$dll"
if "$run" reg query "$class" /ve >/dev/null 2>&1; then
  echo "still registered after regsvr32 /u: $class"
  exit 1
fi
echo "regsvr32 registered and unregistered $dll"
