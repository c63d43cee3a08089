#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs, only those missing, and
# the Polish locale that the number-text tests switch to (a locale with a
# decimal comma). Runs as root or through sudo; a second run changes nothing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev
  qt6-base-dev
  libxlsxwriter-dev zlib1g-dev
  fonts-liberation poppler-utils
  libreoffice-calc-nogui python3
  clang libclang-rt-14-dev clang-format
  locales
)
locale=pl_PL.UTF-8

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -q || true
  "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# `locale -a` writes the name as pl_PL.utf8.
if ! locale -a 2>/dev/null | grep -qix 'pl_PL\.utf-\?8'; then
  echo "Generating the locale $locale"
  if grep -q "^# *$locale UTF-8" /etc/locale.gen; then
    "${as_root[@]}" sed -i "s/^# *$locale UTF-8/$locale UTF-8/" /etc/locale.gen
  elif ! grep -q "^$locale UTF-8" /etc/locale.gen; then
    echo "$locale UTF-8" | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${as_root[@]}" locale-gen
fi
