#!/usr/bin/env bash
# Runs a Windows program of one architecture under the project's Wine prefix
# for it: the emulator CTest uses for the cross-compiled tests.
#   usage: wine-run.sh x86|x64 PROGRAM [ARGUMENTS...]
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
use_wine "$1" || exit 2
shift
prepare_wine_prefix
# A file named oleacc.dll beside a program comes before Wine's own, as on
# Windows, which searches the program's folder first: the stories put a decoy
# of that name beside a copy of the program, which must never load it. Every
# other program has none beside it and gets Wine's own. Set here, not by the
# stories: Wine hands this variable to a new process from the Unix
# environment of the one that started it, never from the Windows one.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;oleacc=n,b"
exec "$WINELOADER" "$@"
