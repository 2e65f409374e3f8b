# Sourced: which of the two Windows builds this machine can run under Wine.
# The 64-bit one wherever Linux runs on x86-64; the 32-bit one only where the
# kernel runs 32-bit programs too (IA-32 emulation, which some kernels leave
# out or switch off: every i386 program then fails with "Exec format error").
# QVUTT_ARCHES forces the choice: "x64", "x86" or "x86 x64".

# Sets runnable_arches (the 32-bit build first: it is the primary one) and,
# where the 32-bit build is left out, x86_skipped: why. Returns non-zero,
# saying why, where neither build can run. With --qemu (the tests, never a
# script whose figures or time limits are about real runs), the 32-bit build
# may run under qemu-user (scripts/x86-under-qemu.sh), and x86_under_qemu then
# says why: where the kernel runs no 32-bit programs and qemu is seen to work,
# or where QVUTT_X86_TESTS=qemu asks for it (a kernel that runs them natively
# can still take the emulated path, as CI's may not); that setting fails,
# saying why, where qemu-user cannot run them.
choose_arches() {
  runnable_arches=()
  x86_skipped=""
  x86_under_qemu=""
  local machine
  machine=$(uname -m)
  if [ "$machine" != x86_64 ]; then
    echo "error: this machine is $machine; Wine runs the Windows builds on x86-64 Linux only" >&2
    return 1
  fi
  if ! /usr/lib/wine/wine64 --version >/dev/null 2>&1; then
    echo "error: the 64-bit Wine loader /usr/lib/wine/wine64 does not run (install wine64)" >&2
    return 1
  fi
  local why_not_x86="" asked_for_qemu=""
  why_not_x86=$(why_32bit_cannot_run)
  # The setting is the tests' alone: scripts that run the program for real
  # (screenshots, benchmark, run.sh) never emulate, whatever it says.
  if [ "${1:-}" = --qemu ]; then
    case "${QVUTT_X86_TESTS:-}" in
      "") ;;
      qemu) asked_for_qemu="QVUTT_X86_TESTS=qemu" ;;
      *) echo "error: QVUTT_X86_TESTS='$QVUTT_X86_TESTS': the one setting is qemu" >&2; return 1 ;;
    esac
    local why_not_qemu
    if [[ " ${QVUTT_ARCHES:-x86} " != *" x86 "* ]]; then
      if [ -n "$asked_for_qemu" ]; then
        echo "error: $asked_for_qemu asks for the 32-bit tests, which" \
          "QVUTT_ARCHES='$QVUTT_ARCHES' leaves out" >&2
        return 1
      fi
    elif [ -z "$why_not_x86" ] && [ -z "$asked_for_qemu" ]; then
      :  # natively
    elif why_not_qemu=$(bash "$(dirname "${BASH_SOURCE[0]}")/x86-under-qemu.sh" --check); then
      x86_under_qemu=${asked_for_qemu:-the kernel runs no 32-bit programs}
      why_not_x86=""
    elif [ -n "$asked_for_qemu" ]; then
      echo "error: $asked_for_qemu, but qemu-user cannot run 32-bit programs here: $why_not_qemu" >&2
      return 1
    else
      why_not_x86+="; nor under qemu-user: $why_not_qemu"
    fi
  fi
  local wanted="${QVUTT_ARCHES:-x86 x64}" arch
  for arch in $wanted; do
    case "$arch" in
      x86 | x64) ;;
      *) echo "error: QVUTT_ARCHES='$wanted': each word must be x86 or x64" >&2; return 1 ;;
    esac
  done
  if [[ " $wanted " == *" x86 "* ]]; then
    if [ -z "$why_not_x86" ]; then
      runnable_arches+=(x86)
    elif [ -n "${QVUTT_ARCHES:-}" ]; then
      echo "error: QVUTT_ARCHES asks for x86, but $why_not_x86" >&2
      return 1
    else
      x86_skipped=$why_not_x86
    fi
  else
    x86_skipped="QVUTT_ARCHES='$wanted' leaves it out"
  fi
  if [[ " $wanted " == *" x64 "* ]]; then runnable_arches+=(x64); fi
  if [ ${#runnable_arches[@]} -eq 0 ]; then
    echo "error: QVUTT_ARCHES='$wanted' names no architecture" >&2
    return 1
  fi
}

# Nothing where this machine runs 32-bit programs; else the fact that says it does not.
why_32bit_cannot_run() {
  local loader=/usr/lib/wine/wine
  if [ ! -x "$loader" ]; then
    echo "the 32-bit Wine loader is not installed (wine32:i386)"
    return
  fi
  local failure status=0
  failure=$("$loader" --version 2>&1 >/dev/null) || status=$?
  [ "$status" -eq 0 ] && return
  local fact="this kernel ($(uname -r)) does not run 32-bit programs: $loader exits $status"
  [[ "$failure" == *"Exec format error"* ]] && fact+=", Exec format error"
  local said
  said=$(dmesg 2>/dev/null | grep -m1 -io '32-bit emulation disabled' || true)
  [ -n "$said" ] && fact+="; the kernel log says \"$said\""
  echo "$fact"
}

# The one architecture a script that runs the program uses: the 32-bit build
# where the machine runs it, else the 64-bit one.
choose_one_arch() {
  choose_arches || return 1
  run_arch=${runnable_arches[0]:?}
  local bits=32
  [ "$run_arch" = x64 ] && bits=64
  echo "running the ${bits}-bit ($run_arch) build${x86_skipped:+ (32-bit: $x86_skipped)}"
}
