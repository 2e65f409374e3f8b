#!/usr/bin/env bash
# Runs a command where 32-bit programs run under qemu-user, whether or not the
# kernel runs them itself: in a user and mount namespace of its own, whose
# private binfmt_misc (Linux 6.7 and later) hands i386 programs to qemu-user
# before the kernel's own loader can take them. Nothing outside changes: no
# global binfmt entry, and the namespace ends with the command.
#   usage: x86-under-qemu.sh COMMAND [ARGUMENTS...]
#          x86-under-qemu.sh --check    exits 0 if the 32-bit Wine loader runs
#                                       under qemu there, else says why and exits 1
set -euo pipefail

qemu=/usr/bin/qemu-i386
loader=/usr/lib/wine/wine

if [ "${1:-}" = --check ]; then
  [ -x "$qemu" ] || { echo "qemu-i386 is not installed (qemu-user)"; exit 1; }
  status=0
  failure=$(bash "$0" "$loader" --version 2>&1 >/dev/null) || status=$?
  case "$status" in
    0) exit 0 ;;
    90) echo "this kernel ($(uname -r)) gives a user namespace no binfmt_misc of its own (Linux 6.7 and later do)" ;;
    91) echo "qemu-i386 could not be registered in the namespace's binfmt_misc" ;;
    92) echo "the 32-bit Wine loader did not run under qemu-i386 there: ${failure:-no answer}" ;;
    *) echo "${failure:-the 32-bit Wine loader exits $status there}" | tail -n 1 ;;
  esac
  exit 1
fi
[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARGUMENTS...] | --check" >&2; exit 2; }

# i386 ELF executables and shared objects, as Debian's qemu-user-binfmt
# describes them; F opens qemu now, so it is found whatever the command's
# view of the file system. Its name tells scripts/wine-env.sh where it runs.
i386_elf=':qvutt-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
i386_elf+=':\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
i386_elf+=":$qemu:F"
# Proof that qemu, not the kernel, runs them: qemu answers QEMU_VERSION with
# its own version, which Wine's loader would never print.
# shellcheck disable=SC2016
exec unshare --user --map-root-user --mount bash -c '
  mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc 2>/dev/null || exit 90
  echo "$0" >/proc/sys/fs/binfmt_misc/register 2>/dev/null || exit 91
  version=$(QEMU_VERSION=1 '"$loader"' 2>&1 | head -n 1)
  [[ "$version" == "qemu-i386 version "* ]] || { echo "$version" >&2; exit 92; }
  echo "32-bit programs run here under $version" >&2
  exec "$@"' "$i386_elf" "$@"
