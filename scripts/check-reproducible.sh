#!/usr/bin/env bash
# Builds the release of the last commit twice, in two fresh clones in folders
# of different names and depths, and compares the two dist/ trees byte for
# byte: what a user downloads can be rebuilt from the published source.
# Uncommitted changes are not part of it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
first="$work/a/qv-utt"
second="$work/another-folder/deeper/release-build"
for clone in "$first" "$second"; do
  git clone --quiet . "$clone"
  bash "$clone/scripts/release.sh" --no-start >/dev/null
done
if ! diff -r "$first/dist" "$second/dist"; then
  echo "error: two builds of $(git rev-parse --short HEAD) differ" >&2
  exit 1
fi
echo "reproducible: two builds of $(git rev-parse --short HEAD) in different folders gave the same dist/:"
sed 's/^/  /' "$first/dist/SHA256SUMS"
