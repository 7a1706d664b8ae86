#!/usr/bin/env bash
# Counts the non-blank lines of the product's code and of its tests: C++
# sources, headers, resource scripts, the setup script and build files. Test
# data, examples and benchmarks are neither.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

count() {
  git ls-files -- "$@" | grep -E '(\.(cpp|h|rc|idl|sh|nsi)|CMakeLists\.txt)$' | grep -v '/data/' |
    xargs -r cat | grep -cv '^[[:space:]]*$' || true
}

product=$(count qlshared metrics cli controls framework app addin installer)
tests=$(count tests)
echo "product lines: $product"
echo "test lines:    $tests"
awk -v p="$product" -v t="$tests" 'BEGIN { printf "tests/product: %.1f %%\n", 100 * t / p }'
