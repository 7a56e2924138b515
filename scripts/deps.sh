#!/usr/bin/env bash
# Installs the Debian packages the game, its tools and its tests need, only
# when something is missing (fast when everything is there).
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  qt6-base-dev libqt6opengl6-dev
  libgl-dev libglu1-mesa-dev libglew-dev freeglut3-dev libgl1-mesa-dri
  libcoin-dev libopenal-dev libalut-dev libopenal1 libsdl2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils imagemagick
  appstream desktop-file-utils dpkg-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
