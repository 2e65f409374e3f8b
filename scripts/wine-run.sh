#!/usr/bin/env bash
# Runs a Windows program of one architecture under the project's Wine prefix
# for it: the emulator CTest uses for the cross-compiled tests.
#   usage: wine-run.sh x86|x64 PROGRAM [ARGUMENTS...]
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
use_wine "$1" || exit 2
shift
prepare_wine_prefix
exec "$WINELOADER" "$@"
