#!/usr/bin/env bash
# Configures (once) and builds the build trees incrementally.
#   scripts/build.sh windows   the Windows tree (build/win64, MinGW-w64)
#   scripts/build.sh native    the native tree (build/native, clang + ASan/UBSan/libFuzzer)
#   scripts/build.sh i686      compile check of the 32-bit Windows tree (build/win32)
set -euo pipefail
# Progress lines are dropped; warnings, errors and the build status stay.
build() { cmake --build "$1" -j "$jobs" | { grep -vE '^\[[0-9]+/[0-9]+\] ' || true; }; }
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${HEXMOOR_JOBS:-$(nproc)}
configure() { # dir, extra cmake args...
  local dir=$1; shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=${HEXMOOR_BUILD_TYPE:-RelWithDebInfo} "$@" >/dev/null
  fi
}
for tree in "$@"; do
  case "$tree" in
    windows)
      configure "$root/build/win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake"
      build "$root/build/win64" ;;
    native)
      configure "$root/build/native" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
      build "$root/build/native" ;;
    i686)
      configure "$root/build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw32.cmake"
      build "$root/build/win32" ;;
    *) echo "unknown tree: $tree" >&2; exit 2 ;;
  esac
done
