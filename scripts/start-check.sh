#!/usr/bin/env bash
# Unpacks a release archive and starts its program under Wine on a virtual
# display, with fresh settings, as a user would after a download. Passes once
# the main window shows on screen (its dark blue and its green digits), and
# saves that screen as build/start-check-ARCH.png; fails, saying so, if it
# never does.
#   usage: start-check.sh x86|x64 ARCHIVE.zip
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
arch=$1
archive=$(realpath "$2")
source scripts/wine-env.sh
use_wine "$arch"
prepare_wine_prefix

unpacked=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
wineserver --kill 2>/dev/null || true
cleanup() {
  wineserver --kill 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$unpacked"
}
trap cleanup EXIT
export DISPLAY=$display
python3 -m zipfile -e "$archive" "$unpacked"
program=$(find "$unpacked" -name QV-UTT-V1.exe)
sleep 1
# The real program's settings, deleted for a first start: only ever in this
# script's own Wine prefix. Never copy this to a Windows script, where the
# key holds a real user's settings.
wine reg delete 'HKCU\Software\QV_UTT\QV-UTT-V1' /f >/dev/null 2>&1 || true
wine "$program" &

screen="build/start-check-$arch.png"
pixels_of() {
  convert "$screen" -fill black +opaque "$1" -fill white -opaque "$1" \
    -format '%[fx:round(mean*w*h)]' info:
}
for _ in $(seq 30); do
  sleep 0.5
  import -window root "$screen"
  blue=$(pixels_of 'rgb(1,0,66)')
  green=$(pixels_of 'rgb(0,255,0)')
  if [ "$blue" -gt 1000 ] && [ "$green" -gt 100 ]; then
    echo "$(basename "$archive"): its program starts and shows its window ($screen)"
    exit 0
  fi
done
echo "error: $(basename "$archive"): no window of its program on screen after 15 s ($screen)" >&2
exit 1
