#!/usr/bin/env bash
# quillet-cli batch killed with SIGKILL mid-run, a few times over: every file
# holds its old text or its new one in full, at most the one file being put
# in place has a temporary file beside it, and the next run completes the
# rest and removes what the killed runs left.
# Usage: killed-batch.sh QUILLET_CLI
set -euo pipefail
cli=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "killed-batch: $*" >&2; exit 1; }
batch() { "$cli" batch "$1/w.dsw" --command delete-trailing-whitespace --settings "$work/none.reg" >/dev/null 2>&1; }

mkdir -p "$work/old/src"
for line in $(seq 1 200); do printf 'int f%s()  \n{\n\treturn %s;\t\n}\n' "$line" "$line"; done >"$work/body"
for i in $(seq 100 399); do
  { echo "// $i"; cat "$work/body"; } >"$work/old/src/f$i.cpp"
  printf '# Begin Source File\nSOURCE=.\\src\\f%s.cpp\n' "$i"
done >"$work/old/p.dsp"
printf '#\n\nProject: "p"=.\\p.dsp - Package Owner=<4>\n' >"$work/old/w.dsw"
cp -r "$work/old" "$work/new"
batch "$work/new"
cp -r "$work/old" "$work/run"
# A leftover of an earlier killed run, beside a file still to be rewritten.
cp "$work/old/src/f399.cpp" "$work/run/src/f399.cpp.quillet-Zz9Yy8"

# Every file old or new in full: its checksum line is one of theirs.
(cd "$work/old/src" && cksum -- *.cpp; cd "$work/new/src" && cksum -- *.cpp) >"$work/known"
check_files() {
  (cd "$work/run/src" && cksum -- *.cpp) | grep -vxFf "$work/known" >"$work/bad" &&
    fail "$1: neither old nor new: $(awk '{ print $3 }' "$work/bad" | tr '\n' ' ')" || true
}

for delay in 0.2 0.5 0.9 1.4; do
  "$cli" batch "$work/run/w.dsw" --command delete-trailing-whitespace --settings "$work/none.reg" \
    >/dev/null 2>&1 &
  pid=$!
  sleep "$delay"
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  check_files "killed after ${delay}s"
  left=$(find "$work/run" -name '*.quillet-*' ! -name '*.quillet-Zz9Yy8' | wc -l)
  [ "$left" -le 1 ] || fail "killed after ${delay}s: $left temporary files left"
done

batch "$work/run"
check_files "after a full run"
diff -r "$work/new" "$work/run" >&2 || fail "a full run after the kills did not finish the work"
left=$(find "$work/run" -name '*.quillet-*')
[ -z "$left" ] || fail "left behind: $left"
echo "killed-batch: ok"
