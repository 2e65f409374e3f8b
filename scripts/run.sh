#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it under Wine on
# this display; with no display, runs it on a virtual one for a few seconds
# and saves screenshots instead.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target qvutt

if [ -z "${DISPLAY:-}" ]; then
  echo "no display: running on a virtual one"
  exec bash scripts/screenshot.sh
fi
source scripts/wine-env.sh
prepare_wine_prefix
exec wine build/windows/bin/QV-UTT-V1.exe
