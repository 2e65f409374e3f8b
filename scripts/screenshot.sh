#!/usr/bin/env bash
# Runs the program on a virtual display, fresh settings, at 96 and at 144 dots
# per inch, and saves pictures of its main window and of its About window,
# opened by a real double-click on the logo; then of the main window at 200%
# of its size, at 96. The 32-bit build where this
# machine runs it, else the 64-bit one (QVUTT_ARCHES chooses, as for the tests).
#   usage: scripts/screenshot.sh [OUTPUT_DIRECTORY]   (default build/screenshots)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
output=$(realpath -m "${1:-build/screenshots}")
mkdir -p "$output"

source scripts/wine-env.sh
source scripts/arches.sh
choose_one_arch
use_wine "$run_arch"
prepare_wine_prefix
program=build/windows-$run_arch/bin/QV-UTT-V1.exe
window_rect=build/windows-$run_arch/bin/window_rect.exe
for built in "$program" "$window_rect"; do
  [ -f "$built" ] || { echo "build first: cmake --build --preset windows-$run_arch" >&2; exit 1; }
done

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
wineserver --kill 2>/dev/null || true
desktop='HKCU\Control Panel\Desktop'
cleanup() {
  wine reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1 || true
  wineserver --kill 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
sleep 1

# Where a window of the program stands, and its client area, as the system
# draws its frame: "left top width height client_left client_top".
rect_of() {
  local rect
  rect=$(wine "$window_rect" "$1" | tr -d '\r') || { echo "no $1 window on screen" >&2; return 1; }
  echo "$rect"
}

# Fresh settings put both windows 1000 twips from the Wine desktop's corner;
# a size other than 100 (percent) is chosen as the menu stores it, and only
# the main window shown, since About keeps its own.
shoot() {
  local dpi=$1 suffix=$2 size=${3:-100} rect left top width height client_left client_top
  wine reg add "$desktop" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  # The real program's settings, deleted for fresh ones: only ever in this
  # script's own Wine prefix. Never copy this to a Windows script, where the
  # key holds a real user's settings.
  wine reg delete 'HKCU\Software\QV_UTT\QV-UTT-V1' /f >/dev/null 2>&1 || true
  if [ "$size" != 100 ]; then
    wine reg add 'HKCU\Software\QV_UTT\QV-UTT-V1' /v MAIN_Size /t REG_SZ /d "$size" /f \
      >/dev/null 2>&1
  fi
  wine "$program" &
  sleep 5.5
  rect=$(rect_of QV_UTT_MAIN)
  read -r left top width height client_left client_top <<<"$rect"
  import -window root -crop "${width}x$height+$left+$top" +repage "$output/main-window$suffix.png"
  if [ "$size" != 100 ]; then
    wineserver --kill
    echo "saved $output/main-window$suffix.png"
    return
  fi
  # The logo's middle: 330 twips into the client area, 450 down.
  xdotool mousemove $((client_left + 330 * dpi / 1440)) $((client_top + 450 * dpi / 1440)) \
    click --repeat 2 --delay 80 1
  sleep 1.5
  rect=$(rect_of QV_UTT_ABOUT)
  read -r left top width height client_left client_top <<<"$rect"
  import -window root -crop "${width}x$height+$left+$top" +repage "$output/about-window$suffix.png"
  wineserver --kill
  echo "saved $output/main-window$suffix.png and $output/about-window$suffix.png"
}
shoot 96 ""
shoot 144 -144dpi
shoot 96 -200 200
