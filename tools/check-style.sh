#!/usr/bin/env bash
# Checks every C++ source of the repository against the house style in
# .clang-format; with --fix, rewrites the files that differ.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t files < <(git ls-files '*.cpp' '*.h' | grep -v -e '^examples/' -e '/data/' -e '^fuzz/corpus/')
if [ "${1:-}" = --fix ]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run --Werror "${files[@]}"
fi
