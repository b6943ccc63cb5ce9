#!/usr/bin/env bash
# Fails, naming each file and line, when a C++ file of src/, tests/, bench/ or
# fuzz/ (of the tree at $1, default this one) differs from what clang-format
# makes of it with the root .clang-format. Fix with: clang-format -i FILE.
# CI has Debian 12's clang-format 14; another version may format differently.
set -euo pipefail
root=${1:-"$(dirname "$0")/.."}
cd "$root"
format=${CLANG_FORMAT:-$(command -v clang-format-14 || command -v clang-format || true)}
if [ -z "$format" ]; then
    echo "check-format: clang-format not found (apt install clang-format)" >&2
    exit 1
fi
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    files=$(git ls-files -- src tests bench fuzz | grep -E '\.(cpp|h)$' || true)
else
    files=$(find src tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) | LC_ALL=C sort)
fi
[ -n "$files" ] || exit 0
# shellcheck disable=SC2086
"$format" --style=file --dry-run --Werror $files
