#!/usr/bin/env bash
# Fails when any C++ file of the program, its tests or its benchmarks differs
# from what clang-format makes of it under .clang-format.
# Usage: scripts/check-format.sh [clang-format]
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format=${1:-clang-format}
mapfile -t files < <(find engine presentation text platform forms app tests bench \
                       \( -name '*.cpp' -o -name '*.h' \) -type f | sort)
"$clang_format" --dry-run -Werror "${files[@]}"
echo "${#files[@]} C++ files formatted as .clang-format wants"
