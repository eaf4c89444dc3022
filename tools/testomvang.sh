#!/usr/bin/env bash
# Fails when the tests are not between a quarter and a third of the code: the non-blank lines
# of tests/**/*.cpp|h|js (golden files under tests/data/ do not count) and fuzz/*.cpp, against
# every non-blank line of src/.
set -euo pipefail
cd "$(dirname "$0")/.."
regels() { xargs -0 cat | grep -cv '^\s*$'; }
tests=$(find tests -path tests/data -prune -o -name node_modules -prune -o -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.js' \) -print0 | regels)
fuzz=$(find fuzz -maxdepth 1 -type f -name '*.cpp' -print0 | regels)
src=$(find src -type f -print0 | regels)
promille=$(((tests + fuzz) * 1000 / src))
echo "tests/ $tests + fuzz/ $fuzz lines against src/ $src: $((promille / 10)).$((promille % 10)) %"
if [ "$promille" -lt 250 ] || [ "$promille" -gt 350 ]; then
    echo "the tests must be 25 % to 35 % of src/: merge or drop the weakest rows, or add what is missing" >&2
    exit 1
fi
