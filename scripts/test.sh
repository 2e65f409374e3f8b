#!/usr/bin/env bash
# Every test: installs what is missing, builds the native and the 32-bit
# Windows trees, runs the native tests, then the Windows ones under Wine on a
# virtual display.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh
source scripts/wine-env.sh
prepare_wine_prefix

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native
bash scripts/lint.sh

cmake --preset windows >/dev/null
cmake --build --preset windows
# A Wine server still running from another display would put the windows there.
wineserver --kill 2>/dev/null || true
status=0
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" ctest --preset windows || status=$?
wineserver --kill 2>/dev/null || true
exit "$status"
