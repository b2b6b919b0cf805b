#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12 (as root).
set -euo pipefail
packages=(
  build-essential cmake pkg-config ccache clang libclang-rt-14-dev clang-format
  qt6-base-dev qt6-base-dev-tools
  libosmesa6-dev libglu1-mesa-dev
  libfreetype-dev libfontconfig-dev fontconfig fonts-liberation2
  liblua5.4-dev nlohmann-json3-dev libsimdjson-dev libtinyobjloader-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  desktop-file-utils shared-mime-info
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
