#!/usr/bin/env bash
# Checks what a user's Windows will load: the program is a PE image for its
# architecture (PE32 for x86, PE32+ for x64) and imports nothing but the
# system's own DLLs. Prints one line; fails, saying why, otherwise.
#   usage: check-executable.sh x86|x64 PROGRAM.exe   (OBJDUMP names another objdump: MSYS2's own)
set -euo pipefail
arch=$1 program=$2
case "$arch" in
  x86) objdump=${OBJDUMP:-i686-w64-mingw32-objdump} format=pei-i386 magic=PE32 ;;
  x64) objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump} format=pei-x86-64 magic=PE32+ ;;
  *) echo "no such architecture: '$arch' (x86 or x64)" >&2; exit 2 ;;
esac
[ -f "$program" ] || { echo "$program: no such file" >&2; exit 1; }

headers=$("$objdump" -p "$program")
if ! grep -q "file format $format\$" <<<"$headers" || ! grep -qF "($magic)" <<<"$headers"; then
  echo "$program: not a $magic $format image: $(grep -m1 'file format' <<<"$headers")" >&2
  exit 1
fi
# Every Windows has these; a DLL of the toolchain's (libstdc++, winpthread)
# would have to travel with the program.
system_dlls=" ADVAPI32.DLL COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL USER32.DLL "
imports=$(awk '/DLL Name/ {print toupper($3)}' <<<"$headers" | sort | paste -sd ' ')
for dll in $imports; do
  if [[ "$system_dlls" != *" $dll "* ]]; then
    echo "$program: imports $dll, which is not a system DLL (imports: $imports)" >&2
    exit 1
  fi
done
echo "$program: $magic $arch image, $(wc -c <"$program") bytes, imports $imports"
