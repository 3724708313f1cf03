#!/usr/bin/env bash
# Formats C++ sources with the project's .clang-format, or checks them.
#   scripts/format.sh [FILE...]          formats the files in place
#   scripts/format.sh --check [FILE...]  changes nothing: names each file
#                                        that differs and exits 1
# Without FILE it takes every C++ file of the checkout (tracked or new, the
# ignored build trees left out). The formatting test runs the check.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
check=0
if [ "${1:-}" = "--check" ]; then
  check=1
  shift
fi
command -v clang-format >/dev/null || { echo "format.sh: clang-format is missing (scripts/install-deps.sh installs it)" >&2; exit 2; }

files=("$@")
if [ ${#files[@]} -eq 0 ]; then
  cd "$root"
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' '*.c')
  else
    mapfile -t files < <(find . -path ./build -prune -o -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print)
  fi
  # A file deleted but not yet committed is still listed by git.
  present=()
  for f in "${files[@]}"; do [ -f "$f" ] && present+=("$f"); done
  files=("${present[@]}")
fi
[ ${#files[@]} -gt 0 ] || { echo "format.sh: no files" >&2; exit 2; }

style="--style=file:$root/.clang-format"
if [ "$check" = 0 ]; then
  printf '%s\0' "${files[@]}" | xargs -0 clang-format "$style" -i
  exit 0
fi
# --dry-run --Werror writes a diagnostic per difference and fails the file.
# Any other failure of clang-format (an unreadable file, a broken style) is
# an error of its own, never a pass.
rc=0
out=$(printf '%s\0' "${files[@]}" | xargs -0 -n 50 clang-format "$style" --dry-run --Werror 2>&1) || rc=$?
mapfile -t failed < <(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' <<<"$out" | sort -u)
if [ ${#failed[@]} -gt 0 ]; then
  echo "Not formatted as .clang-format says (scripts/format.sh FILE... formats them):"
  printf '  %s\n' "${failed[@]}"
  exit 1
fi
if [ "$rc" != 0 ]; then
  echo "format.sh: clang-format failed (exit $rc):" >&2
  printf '%s\n' "$out" | head -n 20 >&2
  exit 2
fi
echo "${#files[@]} files formatted as .clang-format says"
