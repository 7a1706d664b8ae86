#!/usr/bin/env bash
# Quillet.exe prints a workspace's list from the command line as the shell
# asks it to: /p on the default printer, /pt on a named one. The printer
# writes the job to a file, whose pages are read back as text.
# Usage: print-workspace.sh BUILD_DIR Quillet.exe
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$1 program=$2
command -v gs >/dev/null || { echo "SKIP: ghostscript is not installed"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r "$root/examples/workspace" "$scratch/"
workspace="Z:${scratch//\//\\}\\workspace\\example.dsw"
"$root/tools/wine-printer.sh" "$build" "$scratch/report.ps"

. "$root/tests/support/win/printed-pages.sh"
check() {
  printed_pages "$scratch/report.ps" > "$scratch/pages.txt"
  grep -q '^%%Title: example.dsw' "$scratch/report.ps" || { echo "$1: job not named after the document" >&2; exit 1; }
  diff "$here/example-report.txt" "$scratch/pages.txt" || { echo "$1: pages differ" >&2; exit 1; }
  rm "$scratch/report.ps"
}

run() { QUILLET_BUILD_DIR="$build" "$root/cmake/wine-run.sh" "$program" "$@"; }
run /p "$workspace"
check /p
run /pt "$workspace" "Quillet File Printer" winspool QUILLETFILE:
check /pt
echo "printed with /p and /pt and read back"
