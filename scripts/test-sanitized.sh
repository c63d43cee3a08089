#!/usr/bin/env bash
# Builds the project with AddressSanitizer and UBSan into build-sanitize/
# (or $SPF_BUILD_DIR) and runs every test there: memory errors, leaks and
# undefined behaviour fail the test that meets them.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export SPF_BUILD_DIR=${SPF_BUILD_DIR:-$top/build-sanitize}
# Also in force while building: test discovery runs the test programs.
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1
export LSAN_OPTIONS=suppressions=$top/.ci/lsan-suppressions.txt:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$top/scripts/build.sh" -DSPF_SANITIZE=ON
cd "$SPF_BUILD_DIR"
# Instrumented stack frames are several times larger: the deepest nesting the
# expression parser accepts takes under 2 MB of stack normally, over 8 MB here.
ulimit -s 65536 || echo "cannot raise the stack limit; the deepest formulas may overflow it" >&2
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 1200
