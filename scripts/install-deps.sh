#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the editor need.
# Idempotent and quiet: does nothing when every package is present.
set -euo pipefail
packages=(
  g++-mingw-w64-x86-64 libz-mingw-w64-dev
  wine wine64 fonts-wine xvfb xauth x11-utils imagemagick
  cmake ninja-build googletest python3
  clang zlib1g-dev libxml2-utils
)
# The 32-bit compile check needs the i686 cross compiler as well.
[ "${HEXMOOR_I686:-0}" = 1 ] && packages+=(g++-mingw-w64-i686 libz-mingw-w64-dev)
install_packages() { # package...
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
install_packages "${packages[@]}"
# The sanitizer and libFuzzer runtimes must match the clang the native tree
# builds with: the one on PATH, whichever version that is.
clang_major=$(clang -dumpversion | cut -d. -f1)
install_packages "libclang-rt-$clang_major-dev"
