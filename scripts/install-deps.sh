#!/usr/bin/env bash
# Installs the Debian packages Tolvane needs: "build" to build and run it,
# "test" to run every test as well. Installs only what is missing.
set -euo pipefail

build_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6gui6 libgl-dev libxcb1-dev libpng-dev
  fonts-wqy-microhei
)
test_packages=(
  googletest libgtest-dev libgmock-dev
  xvfb xauth openbox x11-utils xdotool wmctrl
  desktop-file-utils appstream
  valgrind clang libclang-rt-14-dev clang-tidy clang-format cppcheck git
)

packages=("${build_packages[@]}")
if [ "${1:-build}" = test ]; then packages+=("${test_packages[@]}"); fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}; run as root, or install them with sudo apt-get install." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
