#!/usr/bin/env bash
# Formatting of every C++ file; the portable folders free of Windows headers;
# clang-tidy over the portable code (it needs the native tree's compile
# commands, so build that first); actionlint over the GitHub workflows.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
# The portable folders: no Windows header there, and clang-tidy over them.
portable=(src/appearance src/clock src/settings src/text)
if windows_headers=$(git grep -l '<windows.h>' -- "${portable[@]}"); then
  echo "lint: <windows.h> in a portable folder: $windows_headers" >&2
  exit 1
fi
mapfile -t portable_sources < <(git ls-files -- "${portable[@]/%//*.cpp}")
if ! findings=$(clang-tidy --quiet -p build/native --warnings-as-errors='*' \
  "${portable_sources[@]}" 2>&1); then
  grep -v 'warnings generated' <<<"$findings"
  exit 1
fi
# The workflows, with the actionlint pinned in tools/actionlint (installed by
# scripts/install-deps.sh); a missing workflow is a fault too.
mapfile -t workflows < <(git ls-files '.github/workflows/*.yml' '.github/workflows/*.yaml')
node tools/actionlint/lint.js "${workflows[@]}"
echo "lint: clean"
