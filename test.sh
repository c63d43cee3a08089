#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds and runs every test,
# then runs every test again built with AddressSanitizer and UBSan.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/check-format.sh"
"$top/scripts/build.sh"
(cd "$top/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 600)
"$top/scripts/test-sanitized.sh"
