#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the editor need.
# Idempotent and quiet: does nothing when every package is present.
set -euo pipefail
packages=(
  g++-mingw-w64-x86-64 libz-mingw-w64-dev
  wine wine64 fonts-wine xvfb xauth x11-utils imagemagick
  cmake ninja-build googletest python3
  clang libclang-rt-14-dev zlib1g-dev
)
# The 32-bit compile check needs the i686 cross compiler as well.
[ "${HEXMOOR_I686:-0}" = 1 ] && packages+=(g++-mingw-w64-i686 libz-mingw-w64-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
