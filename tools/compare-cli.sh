#!/usr/bin/env bash
# Checks that quillet-cli.exe under Wine gives the same bytes and exit status
# as the native quillet-cli, over the shared format runs (cli-runs.sh),
# through stdin and through file arguments.
#
# Usage: tools/compare-cli.sh NATIVE_CLI WINDOWS_CLI_EXE [SOURCE_FILE...]
# Without source files it uses examples/*.cpp and tests/cli/data/*.cpp.
# Exit status: 0 same, 1 a difference (shown), 2 usage, 77 a binary is missing
# (ctest counts that as skipped).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [ $# -lt 2 ]; then
  echo "usage: $0 NATIVE_CLI WINDOWS_CLI_EXE [SOURCE_FILE...]" >&2
  exit 2
fi
native=$(realpath -m "$1")
windows=$(realpath -m "$2")
shift 2
for binary in "$native" "$windows"; do
  if [ ! -x "$binary" ] && [ ! -f "$binary" ]; then
    echo "compare-cli: $binary is missing; nothing compared" >&2
    exit 77
  fi
done

sources=("$@")
if [ ${#sources[@]} -eq 0 ]; then
  for f in "$root"/examples/*.cpp "$root"/tests/cli/data/*.cpp; do
    [ -f "$f" ] && sources+=("$f")
  done
fi

# wine-run.sh finds the Wine prefix beside the Windows build's CMake cache.
export QUILLET_BUILD_DIR=${QUILLET_BUILD_DIR:-$(dirname "$windows")}
wine_run="$root/cmake/wine-run.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/tests/cli/data/settings.reg" "$work/settings.reg"
# The native tool must not see a user's own settings either.
export XDG_CONFIG_HOME="$work/config"

# shellcheck source=cli-runs.sh
source "$root/tools/cli-runs.sh"
settings_choices=("missing.reg" "settings.reg")

failures=0
runs=0

# Runs one tool in the work folder; leaves stdout in $out_file and echoes the
# exit status.
run_tool() {
  local which=$1 out_file=$2 input=$3
  shift 3
  if [ "$which" = native ]; then
    (cd "$work" && "$native" "$@" <"$input" >"$out_file" 2>/dev/null)
  else
    (cd "$work" && "$wine_run" "$windows" "$@" <"$input" >"$out_file" 2>/dev/null)
  fi
  echo $?
}

compare() {
  local label=$1 input=$2
  shift 2
  runs=$((runs + 1))
  local native_status windows_status
  native_status=$(run_tool native "$work/native.out" "$input" "$@")
  windows_status=$(run_tool windows "$work/windows.out" "$input" "$@")
  # Two tools failing alike would compare equal: the native run must succeed.
  if [ "$native_status" -ge 2 ] || [ "$native_status" != "$windows_status" ] ||
     ! cmp -s "$work/native.out" "$work/windows.out"; then
    failures=$((failures + 1))
    echo "DIFFERENT: $label: quillet-cli $*" >&2
    echo "  exit status: native $native_status, windows $windows_status" >&2
    diff <(od -c "$work/native.out") <(od -c "$work/windows.out") | head -20 >&2
  fi
}

for source in "${sources[@]}"; do
  name=$(basename "$source")
  cp "$source" "$work/$name"
  for settings in "${settings_choices[@]}"; do
    for options in "${format_runs[@]}"; do
      # shellcheck disable=SC2086
      compare "$name via stdin, $settings" "$work/$name" format --settings "$settings" $options
    done
    # shellcheck disable=SC2086
    compare "$name as a file, $settings" /dev/null format --settings "$settings" --command reindent "$name"
    compare "$name checked, $settings" /dev/null format --settings "$settings" --check "$name"
  done
done

# The in-place rewrite must give the same file on both sides.
for source in "${sources[@]}"; do
  name=$(basename "$source")
  for which in native windows; do
    cp "$source" "$work/$which-$name"
    run_tool "$which" "$work/$which.out" /dev/null format --settings settings.reg --in-place "$which-$name" >/dev/null
  done
  runs=$((runs + 1))
  if ! cmp -s "$work/native-$name" "$work/windows-$name"; then
    failures=$((failures + 1))
    echo "DIFFERENT: $name rewritten in place" >&2
  fi
done

echo "compare-cli: $runs comparisons, $failures different"
[ "$failures" -eq 0 ]
