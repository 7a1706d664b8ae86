#!/usr/bin/env bash
# Builds the libFuzzer harnesses (fuzz/) with clang and the sanitizers, replays
# each harness's seeds and fuzzes it for a while. The seeds are the example
# files of the kind a harness reads, gathered into build/fuzz/seeds/HARNESS,
# and the inputs kept in fuzz/corpus/HARNESS that stand nowhere else.
# Usage: tools/fuzz.sh [SECONDS per harness, default 20]
# Findings are written to build/fuzz/findings; the run fails on the first one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
build="$root/build/fuzz"
"$root/tools/setup-deps.sh"
cmake -S "$root" -B "$build" -DQUILLET_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j"${JOBS:-$(nproc)}"

# seeds HARNESS: the example and test files a harness starts from, one a line.
seeds() {
  local sources=(-iname '*.c' -o -iname '*.cpp' -o -iname '*.h' -o -iname '*.inl')
  case $1 in
    engine) find "$root/examples" -type f \( "${sources[@]}" \) ;;
    counter) find "$root/examples" -type f \( "${sources[@]}" -o -iname '*.rc' \) ;;
    reader) find "$root/examples" "$root/tests/data" -type f \( -iname '*.dsw' -o -iname '*.dsp' -o -iname '*.sln' \
              -o -iname '*.vcxproj' -o -iname '*.vcproj' \) ;;
    settings) find "$root/tests/cli/data" -type f -iname '*.reg' ;;
  esac
  [ ! -d "$root/fuzz/corpus/$1" ] || find "$root/fuzz/corpus/$1" -type f
}

mkdir -p "$build/findings"
status=0
for harness in engine counter reader settings; do
  program="$build/fuzz/$harness-fuzz"
  corpus="$build/seeds/$harness"
  rm -rf "$corpus"
  mkdir -p "$corpus"
  n=0
  while IFS= read -r seed; do
    n=$((n + 1))
    cp "$seed" "$corpus/$n-$(basename "$seed")"
  done < <(seeds "$harness" | LC_ALL=C sort)
  # New inputs go to a scratch corpus; the seeds stay as they are.
  scratch="$build/corpus/$harness"
  mkdir -p "$scratch"
  options=(-max_len=4096 -rss_limit_mb=2048 -timeout=20 -artifact_prefix="$build/findings/$harness-")
  echo "== $harness: replaying $(ls "$corpus" | wc -l) seeds, then fuzzing ${seconds} s =="
  log="$build/$harness.log"
  if ! "$program" "${options[@]}" -runs=0 "$corpus" >"$log" 2>&1 ||
     ! "$program" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 "$scratch" "$corpus" >>"$log" 2>&1; then
    status=1
    grep -E 'ERROR|SUMMARY|Test unit written' "$log" || tail -n 20 "$log"
  fi
  grep -E '^stat::number_of_executed_units' "$log" || true
done
exit $status
