#!/usr/bin/env bash
# Builds the benchmarks with optimisation and prints one line per figure: name value unit.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/install-deps.sh"
export SPF_BUILD_DIR="$top/build-bench"
SPF_BUILD_TYPE=Release "$top/scripts/build.sh" -DSPF_BUILD_BENCH=ON -DSPF_BUILD_TESTS=OFF
for b in "$SPF_BUILD_DIR"/bench/spf_bench_*; do
  [ -x "$b" ] || continue
  QT_QPA_PLATFORM=offscreen "$b"
done
