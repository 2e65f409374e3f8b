#!/usr/bin/env bash
# The program's footprint in figures: file size and imports, the cost of a
# tick, start-up time against minimal window programs (one bare, one with
# QV-UTT's manifest, one with that manifest and the main window's eight
# controls and two fonts) and where in its start-up the time goes, the cost
# of a full-screen check over a few
# hundred windows, and memory and handles over a long run. Prints figures;
# passes or fails nothing, but stops, saying which step failed and showing the
# end of its output, when a step cannot run. Runs the 32-bit build where this
# machine can, else the 64-bit one; QVUTT_ARCHES=x64 (or x86) chooses.
#   usage: bench/run.sh [TICKS] [ABOUT_WINDOWS] [WARM_UP_ABOUT_WINDOWS]
#          (defaults 200000, 300 and 150; the test command runs 30000, 250 and 50)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
ticks=${1:-200000}
cycles=${2:-300}
warm_up=${3:-150}
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# Runs a step with its output in the log; on failure says which and shows its end.
step() {
  local what=$1
  shift
  local status=0
  "$@" >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    echo "bench: '$what' failed (exit $status); the last lines of its output:" >&2
    tail -n 25 "$log" >&2
    exit 1
  fi
}

bash scripts/install-deps.sh
source scripts/wine-env.sh
source scripts/arches.sh
choose_one_arch
use_wine "$run_arch"
step "prepare the Wine prefix" prepare_wine_prefix
step "configure the native benchmark" cmake --preset bench-native
step "build the native benchmark" cmake --build --preset bench-native
step "configure the $run_arch benchmark" cmake --preset "bench-windows-$run_arch"
step "build the $run_arch benchmark" cmake --build --preset "bench-windows-$run_arch"
bin=build/bench-windows-$run_arch/bin

echo "== machine"
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(free -g | awk '/Mem:/ {print $2}') GiB; $(wine --version)"

echo "== size"
echo "QV-UTT-V1.exe ($run_arch): $(stat -c %s "$bin/QV-UTT-V1.exe") bytes (icons, version record and manifest included); a minimal window program built alike: $(stat -c %s "$bin/minimal_window.exe") bytes, with QV-UTT's manifest $(stat -c %s "$bin/minimal_window_manifest.exe") bytes"
step "check the executable" bash scripts/check-executable.sh "$run_arch" "$bin/QV-UTT-V1.exe"
cat "$log"

echo "== tick, natively"
step "run the tick benchmark" build/bench-native/bench/tick_benchmark --benchmark_min_time=0.5
grep -E "^BM_|^Benchmark" "$log"

echo "== both timers, a simulated day of Windows' window timer (15.625 ms clock tick)"
step "configure the native tests" cmake --preset native
step "build the native tests" cmake --build --preset native --target unit_tests
step "run the timer model" build/native/tests/unit_tests --gtest_filter='TickSchedule.*'
grep 'simulated day' "$log"

display=:$((190 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
wineserver --kill 2>/dev/null || true
trap 'wineserver --kill 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -f "$log"' EXIT
export DISPLAY=$display
sleep 1

echo "== start-up, under Wine"
step "time the start-up" wine "$bin/startup_probe.exe" 15 "$bin/QV-UTT-V1.exe" \
  "$bin/minimal_window.exe" "$bin/minimal_window_manifest.exe" "$bin/same_controls_window.exe"
cat "$log"

echo "== start-up phases, under Wine (copies with each phase's end marked: QV-UTT, the same controls)"
step "time the start-up's phases" wine "$bin/startup_probe.exe" --phases 15 \
  "$bin/QV-UTT-V1-marked.exe" "$bin/same_controls_window_marked.exe"
cat "$log"

echo "== one full-screen check over 300 top-level windows of another process, under Wine"
step "time the full-screen check" wine "$bin/full_screen_check.exe" 300 200
grep '^300 windows' "$log"

echo "== long run, under Wine"
step "run the long run" wine "$bin/long_run.exe" "$ticks" "$cycles" "$warm_up"
cat "$log"
