#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it under Wine on
# this display; with no display, runs it on a virtual one for a few seconds
# and saves screenshots instead. The 32-bit build where this machine runs it,
# else the 64-bit one; QVUTT_ARCHES=x64 chooses the 64-bit one.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh
source scripts/wine-env.sh
source scripts/arches.sh
choose_one_arch
cmake --preset "windows-$run_arch" >/dev/null
# The program, and the helper the screenshots need where there is no display.
cmake --build --preset "windows-$run_arch" --target qvutt window_rect

if [ -z "${DISPLAY:-}" ]; then
  echo "no display: running on a virtual one"
  exec bash scripts/screenshot.sh
fi
use_wine "$run_arch"
prepare_wine_prefix
exec "$WINELOADER" "build/windows-$run_arch/bin/QV-UTT-V1.exe"
