#!/usr/bin/env bash
# Configures and builds the build trees incrementally.
#   scripts/build.sh windows   the Windows tree (build/win64, MinGW-w64)
#   scripts/build.sh native    the native tree (build/native, clang + ASan/UBSan/libFuzzer)
#   scripts/build.sh i686      compile check of the 32-bit Windows tree (build/win32)
# A tree is configured afresh when its CMake arguments, its toolchain file or
# its compiler's version differ from the last configure (a stamp in the tree
# remembers them). Configure output goes to the tree's configure.log and is
# shown when configuring fails.
# HEXMOOR_TARGETS="a b" builds only those targets (and what they need).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${HEXMOOR_JOBS:-$(nproc)}
read -r -a targets <<<"${HEXMOOR_TARGETS:-}"

# Progress lines are dropped; warnings, errors and the build status stay.
build() {
  local t=()
  [ ${#targets[@]} -eq 0 ] || t=(--target "${targets[@]}")
  cmake --build "$1" -j "$jobs" "${t[@]}" | { grep -vE '^\[[0-9]+/[0-9]+\] ' || true; }
}

# configure DIR COMPILER TOOLCHAIN-FILES... -- CMAKE-ARGS...
configure() {
  local dir=$1 compiler=$2; shift 2
  local files=()
  while [ "$1" != -- ]; do files+=("$1"); shift; done
  shift
  local args=(-G Ninja -DCMAKE_BUILD_TYPE="${HEXMOOR_BUILD_TYPE:-RelWithDebInfo}" "${launcher[@]}" "$@")
  local stamp="$dir/.hexmoor-configure" log="$dir/configure.log" want
  want=$(
    printf '%s\n' "${args[@]}"
    for f in "${files[@]}"; do printf '== %s\n' "$f"; cat "$f"; done
    "$compiler" --version 2>&1 | head -n 1 || true
  )
  if [ -f "$dir/build.ninja" ] && [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ]; then
    return 0
  fi
  local fresh=()
  [ -f "$dir/CMakeCache.txt" ] && fresh=(--fresh)
  mkdir -p "$dir"
  rm -f "$stamp"
  if ! cmake "${fresh[@]}" -S "$root" -B "$dir" "${args[@]}" >"$log" 2>&1; then
    cat "$log" >&2
    echo "configuring $dir failed (log: $log)" >&2
    exit 1
  fi
  if grep -q '^CMake Warning' "$log"; then
    echo "configure warnings for $dir: see $log" >&2
  fi
  printf '%s\n' "$want" >"$stamp"
}

# A compiler cache, where the machine has one, lets several checkouts of the
# tree share their object files: paths under the checkout are hashed relative
# to it.
launcher=()
if command -v ccache >/dev/null 2>&1 && [ "${HEXMOOR_NO_CCACHE:-}" != 1 ]; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
  export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
fi

mingw_files() { echo "$root/cmake/toolchain-$1.cmake" "$root/cmake/mingw-common.cmake"; }

for tree in "$@"; do
  case "$tree" in
    windows)
      # shellcheck disable=SC2046
      configure "$root/build/win64" x86_64-w64-mingw32-g++-posix $(mingw_files mingw64) -- \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake"
      build "$root/build/win64" ;;
    native)
      configure "$root/build/native" clang++ -- -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
      build "$root/build/native" ;;
    i686)
      # A compile check: no debug information; the same two shared header
      # images as the other tree (windows.h, and the tests' with GoogleTest).
      # shellcheck disable=SC2046
      configure "$root/build/win32" i686-w64-mingw32-g++-posix $(mingw_files mingw32) -- \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw32.cmake" \
        "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG" \
        "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG"
      build "$root/build/win32" ;;
    *) echo "unknown tree: $tree" >&2; exit 2 ;;
  esac
done
