#!/usr/bin/env bash
# Makes a release from a clean checkout: builds both release programs (the
# 32-bit and the 64-bit one, exactly as the tests build them), checks each
# one's image type and imports, and writes dist/: a zip per architecture with
# the program and a short text for users, and SHA256SUMS. The same commit
# gives the same bytes in any folder on any day: no time stamps in the
# images, archive times from the last commit (SOURCE_DATE_EPOCH). Then each
# archive is unpacked and its program started under Wine, where this machine
# runs it, to see that it shows its window (--no-start leaves that out).
#   usage: scripts/release.sh [--no-start]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
start_check=true
[ "${1:-}" = --no-start ] && start_check=false

if [ -n "$(git status --porcelain)" ]; then
  echo "error: the checkout has uncommitted changes; a release is built from a commit" >&2
  exit 1
fi
bash scripts/install-deps.sh
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)

rm -rf dist
mkdir -p dist
for arch in x86 x64; do
  cmake --preset "windows-$arch" >/dev/null
  cmake --build --preset "windows-$arch" --target qvutt >/dev/null
  program="build/windows-$arch/bin/QV-UTT-V1.exe"
  bash scripts/check-executable.sh "$arch" "$program"
  # The limits docs/performance.md gives the shipped program.
  limit=64512
  [ "$arch" = x86 ] || limit=67584
  size=$(wc -c <"$program")
  if [ "$size" -gt "$limit" ]; then
    echo "error: $program is $size bytes, over its limit of $limit" >&2
    exit 1
  fi
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "build/windows-$arch/CMakeCache.txt")
  if [ "$arch" = x86 ]; then
    build="32-bit" which="This 32-bit build runs on every Windows, 32-bit and 64-bit."
  else
    build="64-bit" which="This 64-bit build runs natively on 64-bit (x64) Windows only."
  fi
  folder="dist/QV-UTT-$version-$arch"
  mkdir "$folder"
  cp "$program" "$folder/"
  # Notepad on older Windows shows a text with bare line feeds on one line.
  sed -e "s/@VERSION@/$version/; s/@BUILD@/$build/; s/@WHICH@/$which/; s/\$/\r/" \
    resources/user-readme.txt >"$folder/README.txt"
  python3 scripts/deterministic_zip.py "$folder.zip" "$folder"
  rm -r "$folder"
done
(cd dist && sha256sum -- *.zip >SHA256SUMS)
echo "dist/:"
(cd dist && ls -l --time-style=+ -- * | awk '{print "  " $NF ": " $5 " bytes"}' && sed 's/^/  /' SHA256SUMS)

$start_check || exit 0
source scripts/wine-env.sh
source scripts/arches.sh
choose_arches
[ -z "$x86_skipped" ] || echo "not started: the 32-bit program ($x86_skipped)"
for arch in "${runnable_arches[@]}"; do
  bash scripts/start-check.sh "$arch" "dist/QV-UTT-$version-$arch.zip"
done
