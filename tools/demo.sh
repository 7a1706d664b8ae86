#!/usr/bin/env bash
# Quillet's main job on the bundled example workspace: list its projects and
# source files with their line and comment counts, then reformat the sources
# of a scratch copy in place and show what changed. The bundled files stay as
# they are. Usage: tools/demo.sh [--command NAME] (default: reindent)
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
