#!/usr/bin/env bash
# Installs the Debian 12 packages the project builds and runs with.
set -euo pipefail
packages=(g++ cmake ninja-build pkg-config llvm binutils
          libgtest-dev libgmock-dev libbenchmark-dev
          libfreetype-dev libpng-dev libsdl2-dev fonts-dejavu-core
          xvfb xauth)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
