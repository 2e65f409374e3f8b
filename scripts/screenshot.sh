#!/usr/bin/env bash
# Runs the program for a few seconds on a virtual display, fresh settings, and
# saves pictures of its main window and of its About window, opened by a real
# double-click on the logo.
#   usage: scripts/screenshot.sh [OUTPUT_DIRECTORY]   (default build/screenshots)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
output=$(realpath -m "${1:-build/screenshots}")
mkdir -p "$output"

source scripts/wine-env.sh
prepare_wine_prefix
program=build/windows/bin/QV-UTT-V1.exe
[ -f "$program" ] || { echo "build first: cmake --build --preset windows" >&2; exit 1; }

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
wineserver --kill 2>/dev/null || true
cleanup() { wineserver --kill 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true; }
trap cleanup EXIT
export DISPLAY=$display
sleep 1

wine reg delete 'HKCU\Software\QV_UTT\QV-UTT-V1' /f >/dev/null 2>&1 || true
wine "$program" &
sleep 5.5

# Fresh settings put both windows at 1000 twips = 67 pixels from the Wine
# desktop's corner, 238 x 76 and 367 x 190 pixels.
import -window root -crop 238x76+67+67 +repage "$output/main-window.png"
xdotool mousemove 91 115 click --repeat 2 --delay 80 1
sleep 1.5
import -window root -crop 367x190+67+67 +repage "$output/about-window.png"
echo "saved $output/main-window.png and $output/about-window.png"
