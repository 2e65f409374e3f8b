#!/usr/bin/env bash
# Runs the stored texts' fuzz target (tests/fuzz/) for a fixed number of
# inputs, about 30 s on this machine, from the unit tests' cases: each line
# of tests/fuzz/seeds.txt is one input, with printf's %b escapes (\t, \xHH,
# \0, and \\ for a backslash). A crash or a broken promise ends it with the
# input printed and saved in build/native-fuzz/, and fails. Usage:
# bash scripts/fuzz.sh [runs], after the install step.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
runs=${1:-400000}
cmake --preset native-fuzz >/dev/null
cmake --build --preset native-fuzz
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
n=0
while IFS= read -r line || [ -n "$line" ]; do
  printf '%b' "$line" >"$corpus/seed-$n"
  n=$((n + 1))
done <tests/fuzz/seeds.txt
cd build/native-fuzz
# One seed for the same inputs each run; new inputs go to the throwaway corpus.
./tests/stored_text_fuzz -seed=1 -runs="$runs" -max_len=300 -print_final_stats=1 "$corpus"
