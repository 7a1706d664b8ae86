#!/usr/bin/env bash
# Gives the Wine prefix of a Windows build a default printer, "Quillet File
# Printer", that writes each print job to a file: PostScript, or PDF when the
# file name ends in .pdf (through ghostscript's ps2pdf). Each job replaces the
# file. Usage: tools/wine-printer.sh BUILD_DIR OUTPUT.ps|OUTPUT.pdf
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 BUILD_DIR OUTPUT.ps|OUTPUT.pdf" >&2; exit 2; }
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
output=$(realpath -m "$2")
program="$build/tools/wine-printer/add-file-printer.exe"
[ -f "$program" ] || cmake --build "$build" --target add-file-printer >/dev/null

# The spooler hands the job to /bin/sh: quote the path for it.
quoted=$(printf '%q' "$output")
case "$output" in
  *.pdf) command="|ps2pdf - $quoted" ;;
  *) command="|cat > $quoted" ;;
esac
QUILLET_BUILD_DIR="$build" "$root/cmake/wine-run.sh" "$program" "Quillet File Printer" "QUILLETFILE:" "$command"
