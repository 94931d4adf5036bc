#!/usr/bin/env bash
# Installs what Quenvar needs to build, test and run on Debian 12.
set -euo pipefail
packages=(
  build-essential cmake pkg-config git
  libgtest-dev libgmock-dev
  libfontconfig-dev libjpeg-dev libpng-dev
  qt6-base-dev qt6-multimedia-dev libgl-dev
  fonts-dejavu-core
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${missing[@]}"
fi
