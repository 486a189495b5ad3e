#!/usr/bin/env bash
# Fails when any tracked C++ file (the program, the web module, the tests and
# the benchmarks) differs from what clang-format makes of it under .clang-format.
# Usage: scripts/check-format.sh [clang-format]
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format=${1:-clang-format}
# Every tracked C++ file, wherever it lies; outside a git checkout, every C++
# file but those of the build trees.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h' | sort)
else
  mapfile -t files < <(find . -path './build*' -prune -o -path './web/node_modules' -prune -o \
                         \( -name '*.cpp' -o -name '*.h' \) -type f -print | sort)
fi
"$clang_format" --dry-run -Werror "${files[@]}"
echo "${#files[@]} C++ files formatted as .clang-format wants"
