#!/usr/bin/env bash
# Builds the libFuzzer harnesses (fuzz/) with clang and the sanitizers, replays
# each harness's seed corpus and fuzzes it for a while.
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

mkdir -p "$build/findings"
status=0
for harness in engine counter reader settings; do
  program="$build/fuzz/$harness-fuzz"
  corpus="$root/fuzz/corpus/$harness"
  # New inputs go to a scratch corpus; the seed corpus in the repository stays as it is.
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
