#!/usr/bin/env bash
# Installs what is missing, builds and starts the application: ./run.sh [FILE]
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
bin="$top/build/bin"
if [ -x "$bin/sprawozdanie" ]; then
  exec "$bin/sprawozdanie" "$@"
fi
exec "$bin/sprawozdanie-cli" --help
