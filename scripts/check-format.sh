#!/usr/bin/env bash
# Checks that every C++ file of the repository follows .clang-format (Debian 12's clang-format 14).
# Prints the offending places and exits non-zero when one does not; `scripts/check-format.sh --fix`
# reformats them instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests bench res -name '*.cpp' -o -name '*.h')
if [[ "${1:-}" == "--fix" ]]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! clang-format --dry-run -Werror "${files[@]}"; then
  echo "Formatting differs from .clang-format; run scripts/check-format.sh --fix" >&2
  exit 1
fi
