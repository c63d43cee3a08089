#!/usr/bin/env bash
# Configures (once) and builds the project into build/ (or $SPF_BUILD_DIR).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=${SPF_BUILD_DIR:-$top/build}
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=${SPF_BUILD_TYPE:-RelWithDebInfo} "$@"
fi
cmake --build "$dir" -j "$(nproc)"
