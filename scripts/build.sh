#!/usr/bin/env bash
# Configures and builds the project into build/ (or $SPF_BUILD_DIR):
#   scripts/build.sh [CMAKE OPTIONS...]
# CMake is run again whenever the options (and $SPF_BUILD_TYPE) differ from
# those the folder was last configured with, so new options are never
# silently ignored; with the same options only the build runs. Options not
# given again keep the value the folder's cache holds.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=${SPF_BUILD_DIR:-$top/build}
args=(-DCMAKE_BUILD_TYPE="${SPF_BUILD_TYPE:-RelWithDebInfo}" "$@")
if command -v ccache >/dev/null; then
  # Paths relative to the checkout, so that clones share the cache.
  export CCACHE_BASEDIR=$top CCACHE_NOHASHDIR=1
  args=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "${args[@]}")
fi
stamp=$dir/.spf-configure-args
wanted=$(printf '%q\n' "${args[@]}")
if [ ! -f "$dir/build.ninja" ] || [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$wanted" ]; then
  cmake -S "$top" -B "$dir" -G Ninja "${args[@]}"
  printf '%s\n' "$wanted" >"$stamp"
fi
cmake --build "$dir" -j "$(nproc)"
