#!/usr/bin/env bash
# Records what quillet-cli prints for a fixed set of runs, so two builds can
# be compared byte for byte: every format command and a few option mixes over
# source files, metrics of the example and real workspaces in each output
# format, batch checks, help texts and error messages.
#
# Usage: tools/golden-cli.sh CLI OUT_DIR [SOURCE_FILE...]
#        then: diff -r OUT_DIR_BEFORE OUT_DIR_AFTER
# Without source files it uses the examples and the test data.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -ge 2 ] || { echo "usage: $0 CLI OUT_DIR [SOURCE_FILE...]" >&2; exit 2; }
cli=$(realpath "$1")
out=$(realpath -m "$2")
shift 2
mkdir -p "$out"

sources=("$@")
if [ ${#sources[@]} -eq 0 ]; then
  while IFS= read -r f; do sources+=("$f"); done < <(
    find "$root/examples" "$root/tests/cli/data" -type f \( -name '*.c' -o -name '*.cpp' -o -name '*.h' \) | sort)
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
missing="$work/missing.reg"

# run NAME ARGS...: stdout, stderr and exit status of one run, under NAME.
run() {
  local name=$1
  shift
  (cd "$work" && "$cli" "$@" >"$out/$name.out" 2>"$out/$name.err"; echo $? >"$out/$name.status")
  sed -i "s#$work#WORK#g; s#$root#ROOT#g" "$out/$name.out" "$out/$name.err"
}

run help --help
for command in format metrics batch; do run "help-$command" "$command" --help; done

# shellcheck source=cli-runs.sh
source "$root/tools/cli-runs.sh"
i=0
for f in "${sources[@]}"; do
  i=$((i + 1))
  r=0
  for args in "${format_runs[@]}"; do
    r=$((r + 1))
    # shellcheck disable=SC2086
    run "format-$i-run$r" format --settings "$missing" $args "$f"
  done
  run "format-$i-settings" format --settings "$root/tests/cli/data/settings.reg" "$f"
done

run format-bad-option format --settings "$missing" --option Nope=1 "${sources[0]}"
run format-bad-value format --settings "$missing" --option TabSize=99 "${sources[0]}"
run format-bad-command format --settings "$missing" --command nope "${sources[0]}"
run format-missing-file format --settings "$missing" "$work/none.cpp"
printf 'int a;\n\0int b;\n' >"$work/nul.cpp"
run format-nul format --settings "$missing" "$work/nul.cpp"

workspaces=("$root/examples/workspace/example.dsw")
while IFS= read -r w; do workspaces+=("$w"); done < <(find "$root/../shared/fixtures" -name '*.dsw' 2>/dev/null | sort)
w=0
for ws in "${workspaces[@]}"; do
  w=$((w + 1))
  for format in text csv json; do run "metrics-$w-$format" metrics "$ws" --format "$format"; done
  copy="$work/ws$w"
  cp -r "$(dirname "$ws")" "$copy"
  run "batch-$w-check" batch "$copy/$(basename "$ws")" --command reindent --check
done
run metrics-missing metrics "$work/none.dsw"
run batch-no-command batch "${workspaces[0]}"
echo "recorded $(ls "$out" | wc -l) files in $out"
