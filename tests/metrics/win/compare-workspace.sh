#!/usr/bin/env bash
# Checks that quillet-cli.exe under Wine lists and reformats the example
# workspace exactly as the native quillet-cli does: same output, same exit
# status, same bytes on disk after each batch command.
#
# Usage: compare-workspace.sh NATIVE_CLI WINDOWS_CLI_EXE
# Exit status: 0 same, 1 a difference (shown), 77 a binary is missing.
set -uo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
native=$(realpath -m "$1")
windows=$(realpath -m "$2")
for binary in "$native" "$windows"; do
  [ -f "$binary" ] || { echo "compare-workspace: $binary is missing; nothing compared" >&2; exit 77; }
done
export QUILLET_BUILD_DIR=${QUILLET_BUILD_DIR:-$(dirname "$windows")}
wine_run="$root/cmake/wine-run.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
status=0

# Runs one command line with both tools, each in its own copy of the example.
compare() {
  local name=$1
  shift
  rm -rf "$work/n" "$work/w"
  cp -r "$root/examples/workspace" "$work/n"
  cp -r "$root/examples/workspace" "$work/w"
  (cd "$work/n" && "$native" "$@" >"$work/n.out" 2>"$work/n.err"; echo $? >"$work/n.status")
  (cd "$work/w" && "$wine_run" "$windows" "$@" >"$work/w.out" 2>"$work/w.err"; echo $? >"$work/w.status")
  for part in out err status; do
    if ! cmp -s "$work/n.$part" "$work/w.$part"; then
      echo "== $name: $part differs"
      diff "$work/n.$part" "$work/w.$part" | head -20
      status=1
    fi
  done
  if ! diff -r "$work/n" "$work/w" >/dev/null; then
    echo "== $name: files on disk differ"
    diff -r "$work/n" "$work/w" | head -20
    status=1
  fi
}

for format in text csv json; do
  compare "metrics $format" metrics example.dsw --format "$format"
done
compare "metrics of a missing workspace" metrics missing.dsw
# One command will do: tools/compare-cli.sh compares each command's output.
compare "batch --check" batch example.dsw --command full --check --settings missing.reg
compare "batch" batch example.dsw --command full --settings missing.reg
compare "batch of one project and one file" batch example.dsw --command reindent --project shared --file calc.cpp \
  --settings missing.reg
[ $status -eq 0 ] && echo "compare-workspace: same output and files for every run"
exit $status
