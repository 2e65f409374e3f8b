#!/usr/bin/env bash
# Runs a Windows program under the project's Wine prefix: the emulator CTest
# uses for the cross-compiled tests.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
prepare_wine_prefix
exec wine "$@"
