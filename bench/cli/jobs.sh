#!/usr/bin/env bash
# Wall time of quillet-cli with one job against two: format --check, batch
# --check, and in-place runs of both on a fresh copy each time, over FILES
# C++ files cut from the standard library's headers, listed in a workspace
# of one project. Prints the median of RUNS runs of each and the ratios.
# Usage: jobs.sh QUILLET_CLI [FILES] [RUNS]   (2000 files, 3 runs)
set -euo pipefail
cli=$(realpath "$1")
count=${2:-2000}
runs=${3:-3}
headers=/usr/include/c++/12

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source="$work/source"
mkdir -p "$source/src"

# The first 400 lines of each header in turn, as src/NNNN.cpp.
mapfile -t pool < <(find "$headers" -type f -size +2k | sort)
{
  printf '# Microsoft Developer Studio Project File - Name="bench" - Package Owner=<4>\n'
  printf '# Begin Project\n# Begin Target\n# Begin Group "Source Files"\n'
  for i in $(seq 0 $((count - 1))); do
    name=$(printf '%04d.cpp' "$i")
    head -n 400 "${pool[i % ${#pool[@]}]}" >"$source/src/$name"
    printf '# Begin Source File\n\nSOURCE=.\\src\\%s\n# End Source File\n' "$name"
  done
  printf '# End Group\n# End Target\n# End Project\n'
} >"$source/bench.dsp"
printf '# Workspace\n\nProject: "bench"=.\\bench.dsp - Package Owner=<4>\n' >"$source/bench.dsw"
# Every pass on, so that each file is reformatted through and through.
settings="$work/settings.reg"
cat >"$settings" <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Tamsel Software\Quillet]
"TabSize"=dword:00000004
"IndentSize"=dword:00000004
"OpenIndentStyle"=dword:00000001
"CloseIndentStyle"=dword:00000001
"OpenNewLineStyle"=dword:00000000
"CloseNewLineStyle"=dword:00000000
"OperatorSpace"=dword:00000000
"ParenthesesSpace"=dword:00000001
"DeleteTrailingWhiteSpace"=dword:00000001
"RecalculateIndents"=dword:00000001
"SpaceTabStyle"=dword:00000000
REG

# median COMMAND...: the median wall time in seconds of RUNS runs; a command
# that rewrites files gets a fresh copy of the tree before each run.
median() {
  local times=()
  for _ in $(seq "$runs"); do
    rm -rf "$work/tree"
    cp -r "$source" "$work/tree"
    # The copy's write-back must not run into the timed run.
    sync
    local start end
    start=$(date +%s.%N)
    (cd "$work/tree" && "$@" >/dev/null 2>&1) || true
    end=$(date +%s.%N)
    times+=("$(echo "$end - $start" | bc -l)")
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p"
}

row() {
  local title=$1
  shift
  local one two
  one=$(median "$@" --jobs 1)
  two=$(median "$@" --jobs 2)
  printf '%-22s %8.3f s %8.3f s %6.2f x\n' "$title" "$one" "$two" "$(echo "$one / $two" | bc -l)"
}

printf '%s files, %s lines; median of %s runs on %s processors (load %s)\n' "$count" \
  "$(cat "$source"/src/*.cpp | wc -l)" "$runs" "$(nproc)" "$(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-22s %10s %10s %8s\n' "" "--jobs 1" "--jobs 2" "ratio"
row "format --check" "$cli" format --settings "$settings" --check src
row "format --in-place" "$cli" format --settings "$settings" --in-place src
row "batch --check" "$cli" batch bench.dsw --settings "$settings" --command full --check
row "batch" "$cli" batch bench.dsw --settings "$settings" --command full
printf 'load after: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
