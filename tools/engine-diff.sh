#!/usr/bin/env bash
# Formats the same texts with two quillet-cli builds under the shared format
# runs (cli-runs.sh), and compares the output byte for byte:
# the check that a change to the engine's speed changed nothing it writes.
# The texts are the files of a header folder and a few hundred generated
# ones, dense in braces, quotes, comments, backslashes and long lines.
#
# Usage: tools/engine-diff.sh BASE_CLI NEW_CLI [FOLDER] [GENERATED_COUNT]
set -uo pipefail
[ $# -ge 2 ] || { echo "usage: $0 BASE_CLI NEW_CLI [FOLDER] [GENERATED_COUNT]" >&2; exit 2; }
base=$(realpath "$1")
new=$(realpath "$2")
folder=${3:-/usr/include/c++/12}
count=${4:-300}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$work/gen" "$count" <<'EOF'
import os, random, sys
out, count = sys.argv[1], int(sys.argv[2])
os.makedirs(out)
pieces = ["{", "}", "{", "}", "a", "b;", "x = f(a,b)", "if (x)", "else", "do", "while (y);", "for (i=0;i<n;i++)",
          "switch (c)", "case 1:", "default:", "\"s{}\\\"\"", "'{'", "'\\''", "/*", "*/", "//", "/* } */",
          "#define M(x) \\", "#if X", "\\", "\t", "    ", " ", "  ", "(", ")", "+", "-", "*", "/", "<<=", "->",
          "1e-5", "&&", "||", "!", "~", ",", ";", "\r", "a}b{", "{{{", "}}}", " )", "( ", "x  =  y"]
# Half the texts hold no slash: no comment, so every brace counts.
plain = [p for p in pieces if "/" not in p]
for n in range(count):
    rng = random.Random(n)
    chosen = pieces if n % 2 else plain
    lines = []
    for _ in range(rng.randint(1, 60)):
        width = rng.choice([1, 3, 8, 20, 200])
        lines.append("".join(rng.choice(chosen) + rng.choice(["", " ", "\t"]) for _ in range(rng.randint(0, width))))
    with open(os.path.join(out, "g%03d.cpp" % n), "w", newline="") as f:
        f.write("\n".join(lines) + rng.choice(["", "\n"]))
EOF

find "$folder" -type f | sort >"$work/files"
find "$work/gen" -type f | sort >>"$work/files"

# shellcheck source=cli-runs.sh
source "$(dirname "$0")/cli-runs.sh"
status=0
for config in "${format_runs[@]}"; do
  for cli in base new; do
    # shellcheck disable=SC2086
    "${!cli}" format --settings "$work/none.reg" $config --files-from "$work/files" >"$work/$cli.out" 2>"$work/$cli.err"
    echo $? >>"$work/$cli.err"
  done
  [ -s "$work/base.out" ] || { echo "no output: $config: $(head -2 "$work/base.err")"; status=1; }
  if cmp -s "$work/base.out" "$work/new.out" && cmp -s "$work/base.err" "$work/new.err"; then
    echo "same:    $config"
  else
    echo "DIFFERS: $config"
    cmp "$work/base.out" "$work/new.out" | head -1
    status=1
  fi
done
exit $status
