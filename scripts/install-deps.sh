#!/usr/bin/env bash
# Installs what a fresh Debian 12 or 13 machine (as root) lacks to build and test the
# program: the MinGW-w64 cross compilers for 32-bit and 64-bit Windows, Wine
# with both its loaders, a virtual X display and the tools the tests and
# screenshots use. Quick when all is there. The 32-bit half installs even
# where the kernel cannot run it; the tests then leave it out. No Liberation
# fonts: the tests' Wine draws with the one pinned in tests/fonts/.
set -euo pipefail

packages=(cmake ninja-build g++ googletest libbenchmark-dev python3
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 xvfb xauth imagemagick
  clang-format clang-tidy fonts-wine xdotool)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
echo "installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
