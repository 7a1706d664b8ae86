#!/usr/bin/env bash
# Prints two copies of a two-page report on a Wine printer whose jobs land in
# a file, and reads the pages back as text: every row where the list shows
# it, the header on each page.
# Usage: print-report.sh BUILD_DIR windows-report-print.exe
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
build=$1 program=$2
command -v gs >/dev/null || { echo "SKIP: ghostscript is not installed"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$root/tools/wine-printer.sh" "$build" "$scratch/report.ps"
QUILLET_PRINT_TO_FILE=1 QUILLET_BUILD_DIR="$build" "$root/cmake/wine-run.sh" "$program" --gtest_brief=1 \
  --gtest_filter='*PrintsEveryPage*'
. "$root/tests/support/win/printed-pages.sh"
printed_pages "$scratch/report.ps" > "$scratch/pages.txt"
# The dialog asked for two collated copies.
for copy in 1 2; do
  echo "File Lines Comments"
  echo "big.dsp 70 0"
  for f in $(seq 69); do echo "f$f.c 1 0"; done
  echo "File Lines Comments"
  echo "f70.c NA 0"
done > "$scratch/expected.txt"
diff "$scratch/expected.txt" "$scratch/pages.txt"
[ "$(grep -c '^%%Page:' "$scratch/report.ps")" -eq 4 ] || { echo "expected 4 pages" >&2; exit 1; }
echo "two copies of two pages printed and read back"
