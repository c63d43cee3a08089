#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs, only those missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libqt6svg6-dev
  libxlsxwriter-dev zlib1g-dev
  fonts-liberation
  clang libclang-rt-14-dev
  xvfb xauth
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q || true
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
