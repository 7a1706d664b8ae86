#!/usr/bin/env bash
# Time of "quillet-cli format" over one large real C++ text against astyle
# re-indenting the same text, all in one run so the ratios compare like with
# like. The text is the C++ standard library headers (whole files in path
# order until 4 MiB, as the engine benchmark takes them), COPIES times over.
#
# Rows: reindent and every option on with the text named as a FILE, the same
# two through standard input (redirected, and from a pipe), and astyle.
# Each figure is the median of RUNS runs after one warm-up: the processor
# time (user + system) of the measured program alone, so that other work on
# a shared machine counts as little as possible, and its wall time.
# Usage: format-vs-astyle.sh QUILLET_CLI [HEADERS] [COPIES] [RUNS]
set -euo pipefail
cli=$(realpath "$1")
headers=${2:-/usr/include/c++/12}
copies=${3:-5}
runs=${4:-5}

missing=()
command -v astyle >/dev/null || missing+=(astyle)
command -v bc >/dev/null || missing+=(bc)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
text=$work/big.cpp
one=$work/one.cpp
limit=$((4 * 1024 * 1024))
: >"$one"
while IFS= read -r -d '' file; do
  [ "$(stat -c %s "$one")" -ge "$limit" ] && break
  cat "$file" >>"$one"
done < <(find "$headers" -type f -print0 | LC_ALL=C sort -z)
for _ in $(seq "$copies"); do cat "$one"; done >"$text"
rm "$one"
bytes=$(stat -c %s "$text")

# median COMMAND: "CPU WALL", the median processor and wall seconds of runs
# of a shell command in which $timed prefixes the one program measured.
# Bash's own timing reads milliseconds, where /usr/bin/time rounds to
# hundredths: too coarse for runs of a tenth of a second.
timed="measure"
measure="measure() { local TIMEFORMAT='%3U %3S %3R'; { time \"\$@\" 2>/dev/null; } 2>'$work/time'; }"
median() {
  bash -c "$measure; $1" >/dev/null 2>&1 || true
  local cpu=() wall=()
  for _ in $(seq "$runs"); do
    bash -c "$measure; $1" >/dev/null 2>&1 || true
    read -r user system elapsed <"$work/time"
    cpu+=("$(echo "$user + $system" | bc -l)")
    wall+=("$elapsed")
  done
  local middle=$(((runs + 1) / 2))
  echo "$(printf '%s\n' "${cpu[@]}" | sort -n | sed -n "${middle}p")" \
    "$(printf '%s\n' "${wall[@]}" | sort -n | sed -n "${middle}p")"
}

reindent="--settings /dev/null --command reindent"
everything="--settings /dev/null"
for option in ParenthesesSpace=0 OperatorSpace=0 OpenNewLineStyle=0 CloseNewLineStyle=0 OpenIndentStyle=0 \
  CloseIndentStyle=0 SpaceTabStyle=0 DeleteTrailingWhiteSpace=1 RecalculateIndents=1; do
  everything+=" --option $option"
done

# The piped output must match the file output byte for byte.
"$cli" format $reindent "$text" >"$work/file.out"
cat "$text" | "$cli" format $reindent | cat >"$work/pipe.out"
cmp -s "$work/file.out" "$work/pipe.out" || { echo "pipe and file outputs differ" >&2; exit 1; }

declare -A row
row[astyle]=$(median "$timed astyle <'$text' >'$work/out'")
row[reindent_file]=$(median "$timed '$cli' format $reindent '$text' >'$work/out'")
row[reindent_stdin]=$(median "$timed '$cli' format $reindent <'$text' >'$work/out'")
row[reindent_pipe]=$(median "cat '$text' | $timed '$cli' format $reindent | cat >'$work/out'")
row[all_file]=$(median "$timed '$cli' format $everything '$text' >'$work/out'")
row[all_stdin]=$(median "$timed '$cli' format $everything <'$text' >'$work/out'")
row[all_pipe]=$(median "cat '$text' | $timed '$cli' format $everything | cat >'$work/out'")

cpu() { echo "${row[$1]% *}"; }
printf 'text: %s bytes (%s copies of %s); median of %s runs\n\n' "$bytes" "$copies" "$headers" "$runs"
printf '%-34s %8s %8s %8s %12s\n' "run" "cpu s" "wall s" "MB/s" "astyle / it"
line() {
  local seconds=${row[$2]% *}
  printf '%-34s %8.3f %8.3f %8.1f %11.1fx\n' "$1" "$seconds" "${row[$2]#* }" \
    "$(echo "$bytes / $seconds / 1000000" | bc -l)" "$(echo "$(cpu astyle) / $seconds" | bc -l)"
}
line "astyle (default style, stdin)" astyle
line "reindent, FILE" reindent_file
line "reindent, < FILE" reindent_stdin
line "reindent, cat | ... | cat" reindent_pipe
line "every option on, FILE" all_file
line "every option on, < FILE" all_stdin
line "every option on, cat | ... | cat" all_pipe
printf '\npipe / file (cpu): reindent %.2f, every option on %.2f (target <= 1.10)\n' \
  "$(echo "$(cpu reindent_pipe) / $(cpu reindent_file)" | bc -l)" \
  "$(echo "$(cpu all_pipe) / $(cpu all_file)" | bc -l)"
printf 'targets: reindent >= 13x astyle, every option on >= 6.5x astyle\n'
