#!/usr/bin/env bash
# Installs the Debian packages the project needs, only when some are missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-image-formats-plugins libgl-dev
    libgif-dev fonts-liberation2 libqpdf-dev
    libgtest-dev libbenchmark-dev libpoppler-qt6-dev poppler-utils
    xvfb xauth
    libcups2-dev cups cups-client cups-bsd cups-filters
    desktop-file-utils appstream
    clang libclang-rt-14-dev llvm-14
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
