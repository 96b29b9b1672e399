#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need, when any is missing.
set -eu
packages=(cmake ninja-build g++ clang libclang-rt-14-dev googletest
          g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth imagemagick xdotool)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
