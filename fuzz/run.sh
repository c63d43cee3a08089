#!/usr/bin/env bash
# Builds the statement-file reader with libFuzzer, AddressSanitizer and UBSan
# (clang, outside the normal build) and fuzzes it for SECONDS seconds.
# Usage: fuzz/run.sh SECONDS
# Findings land in build-fuzz/crashes/ and are copied into tests/data/spf/fuzz/,
# where ctest replays them through the normal reader.
set -euo pipefail
seconds=${1:?usage: fuzz/run.sh SECONDS}
top=$(cd "$(dirname "$0")/.." && pwd)
out=${SPF_FUZZ_DIR:-$top/build-fuzz}
mkdir -p "$out/corpus" "$out/crashes"

if ! command -v clang++ >/dev/null; then
  if [ "$(id -u)" -eq 0 ]; then apt-get install -y clang; else sudo apt-get install -y clang; fi
fi

sources=("$top"/src/model/*.cpp "$top"/src/model/file/*.cpp "$top"/fuzz/spf_reader_fuzzer.cpp)
bin=$out/spf_reader_fuzzer
if [ ! -x "$bin" ] || [ -n "$(find "${sources[@]}" "$top"/src/model "$top"/fuzz -newer "$bin" -name '*.[ch]*' | head -1)" ]; then
  clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I "$top/src" -I "$top/fuzz" "${sources[@]}" -o "$bin"
fi

status=0
# Inputs up to 1 MiB, so that the example statement (well above 64 KiB) is
# mutated as a whole too.
"$bin" -max_total_time="$seconds" -dict="$top/fuzz/spf.dict" -max_len=1048576 -rss_limit_mb=2048 \
  -timeout=10 -artifact_prefix="$out/crashes/" -print_final_stats=1 \
  "$out/corpus" "$top/fuzz/seeds" "$top/tests/data/spf" "$top/tests/data/spf/malformed" "$top/examples" || status=$?
findings=$(find "$out/crashes" -type f | wc -l)
if [ "$findings" -gt 0 ]; then
  mkdir -p "$top/tests/data/spf/fuzz"
  cp "$out"/crashes/* "$top/tests/data/spf/fuzz/"
fi
echo "findings: $findings file(s), copied into tests/data/spf/fuzz/"
exit $status
