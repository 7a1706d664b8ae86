#!/usr/bin/env bash
# Quillet's main job on the bundled example workspace: list its projects and
# source files with their line and comment counts, then reformat the sources
# of a scratch copy in place and show what changed. The bundled files stay as
# they are. The same for the bundled Visual Studio solution. Then the
# workspace's list in Quillet.exe under Wine, on another scratch copy: in a
# window on a desktop, or without a display as a PNG whose path is printed. Usage: tools/demo.sh [--command NAME] (default: reindent)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
command=reindent
[ "${1:-}" = "--command" ] && command=$2

"$root/tools/setup-deps.sh"
build="$root/build/native"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target quillet-cli -j"$(nproc)" >/dev/null
cli="$build/cli/quillet-cli"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r "$root/examples/workspace" "$scratch/"
workspace="$scratch/workspace/example.dsw"

echo "== Metrics of examples/workspace/example.dsw =="
"$cli" metrics "$workspace"
echo
echo "== Files that '$command' would change =="
# The per-file progress lines are left out here; problems are still shown.
"$cli" batch "$workspace" --command "$command" --check --settings /dev/null 2>&1 | grep -v '] Formatting file: ' || true
echo
echo "== Reformatting them in place ('$command') =="
"$cli" batch "$workspace" --command "$command" --settings /dev/null 2>&1 | grep -v '] Formatting file: ' || true
echo
echo "== What changed =="
diff -ru --strip-trailing-cr "$root/examples/workspace" "$scratch/workspace" || true

cp -r "$root/examples/solution" "$scratch/"
solution="$scratch/solution/example.sln"
echo
echo "== Metrics of examples/solution/example.sln (two .vcxproj projects and a .vcproj) =="
"$cli" metrics "$solution"
echo
echo "== Reformatting its sources in place ('$command') =="
"$cli" batch "$solution" --command "$command" --settings /dev/null 2>&1 | grep -v '] Formatting file: ' || true
echo
echo "== What changed =="
diff -ru --strip-trailing-cr "$root/examples/solution" "$scratch/solution" || true

echo
echo "== The list in Quillet.exe (Wine) =="
cp -r "$root/examples/workspace" "$scratch/gui"
if [ -n "${DISPLAY:-}" ]; then
  echo "Quillet.exe opens in a window; close it to end the demo."
  "$root/tools/quillet.sh" "$scratch/gui/example.dsw"
else
  echo "No display: Quillet.exe runs on a virtual screen; its window is captured in"
  "$root/tools/quillet.sh" --png "$root/build/quillet-demo.png" "$scratch/gui/example.dsw"
fi
