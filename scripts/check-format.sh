#!/usr/bin/env bash
# Fails, listing the files, when a tracked C++ source under src/, tests/,
# bench/ or fuzz/ is not formatted as .clang-format says. Fix them with
# `cmake --build build --target format`.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
  'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h')
if report=$(clang-format --dry-run --Werror "${files[@]}" 2>&1); then
  echo "All ${#files[@]} sources are formatted."
  exit 0
fi
echo "Not formatted with clang-format:" >&2
grep -o '^[^:]*:[0-9]*:[0-9]*: error' <<<"$report" | cut -d: -f1 | sort -u | sed 's/^/  /' >&2 ||
  echo "$report" >&2
exit 1
