#!/usr/bin/env bash
# Wall time of "quillet-cli metrics TREE" against cloc counting the same C
# and C++ files (.c, .cpp, .h, .inl) of the same tree: the median of RUNS
# runs each, one warm-up run first so both read from the page cache.
# Usage: metrics-vs-cloc.sh QUILLET_CLI [TREE] [RUNS]   (TREE: /usr/include)
set -euo pipefail
cli=$(realpath "$1")
tree=${2:-/usr/include}
runs=${3:-5}

if ! command -v cloc >/dev/null; then
  echo "Installing cloc"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq cloc >/dev/null
fi

# median COMMAND...: the median wall time in seconds of runs of COMMAND.
median() {
  "$@" >/dev/null 2>&1 || true
  local times=()
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s.%N)
    times+=("$(echo "$end - $start" | bc -l)")
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p"
}

files=$("$cli" metrics "$tree" --format csv 2>/dev/null | grep -c '^file,')
lines=$("$cli" metrics "$tree" --format csv 2>/dev/null | sed -n 's/^total,,,\([0-9]*\),.*/\1/p')
ours=$(median "$cli" metrics "$tree" --format csv)
theirs=$(median cloc --quiet --include-ext=c,cpp,h,inl --skip-uniqueness "$tree")
printf 'tree %s: %s files, %s lines; median of %s runs\n' "$tree" "$files" "$lines" "$runs"
printf 'quillet-cli metrics  %8.3f s\n' "$ours"
printf 'cloc                 %8.3f s\n' "$theirs"
printf 'cloc / quillet-cli   %8.1f x\n' "$(echo "$theirs / $ours" | bc -l)"
