#!/usr/bin/env bash
# Runs one Windows tree's tests under Wine on a virtual display of their own:
#   usage: windows-tests.sh [--qemu] ARCH PRESET [CTEST ARGUMENTS...]
#   e.g.   windows-tests.sh x86 windows-x86 -R unit_tests
# --qemu runs 32-bit tests under qemu-user (scripts/x86-under-qemu.sh), where
# the program does everything about ten times more slowly: every wait of the
# tests and every CTest time limit grows by QVUTT_WAIT_FACTOR.
# Whatever a test started ends with the run: every program left in the
# prefix is ended afterwards, whether the tests passed, failed or timed out.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
if [ "$1" = --qemu ]; then
  shift
  export QVUTT_WAIT_FACTOR=10
  echo "x86 tests under qemu-user (waits and time limits x$QVUTT_WAIT_FACTOR)"
  exec bash scripts/x86-under-qemu.sh bash "$0" "$@"
fi
source scripts/wine-env.sh
use_wine "$1"
prepare_wine_prefix
# A Wine server still running from another display would put the windows there.
wineserver --kill 2>/dev/null || true
status=0
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" ctest --preset "$2" "${@:3}" || status=$?
wineserver --kill 2>/dev/null || true
exit "$status"
