#!/usr/bin/env bash
# The program's footprint in figures: file size and imports, the cost of a
# tick, start-up time against a minimal window program, and memory and
# handles over a long run. Prints figures; passes or fails nothing. Runs the
# 32-bit build where this machine can, else the 64-bit one; QVUTT_ARCHES=x64
# (or x86) chooses.
#   usage: bench/run.sh [TICKS] [ABOUT_CYCLES]    (default 200000 and 300)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
ticks=${1:-200000}
cycles=${2:-300}

bash scripts/install-deps.sh
source scripts/wine-env.sh
source scripts/arches.sh
choose_one_arch
use_wine "$run_arch"
prepare_wine_prefix
cmake --preset bench-native >/dev/null && cmake --build --preset bench-native >/dev/null
cmake --preset "bench-windows-$run_arch" >/dev/null
cmake --build --preset "bench-windows-$run_arch" >/dev/null
bin=build/bench-windows-$run_arch/bin

echo "== machine"
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(free -g | awk '/Mem:/ {print $2}') GiB; $(wine --version)"

echo "== size"
echo "QV-UTT-V1.exe ($run_arch): $(stat -c %s "$bin/QV-UTT-V1.exe") bytes (icons, version record and manifest included); a minimal window program built alike: $(stat -c %s "$bin/minimal_window.exe") bytes"
bash scripts/check-executable.sh "$run_arch" "$bin/QV-UTT-V1.exe"

echo "== tick, natively"
build/bench-native/bench/tick_benchmark --benchmark_min_time=0.5 2>/dev/null | grep -E "^BM_|^Benchmark"

echo "== uptime timer, a simulated day of Windows' window timer (15.625 ms clock tick)"
cmake --preset native >/dev/null && cmake --build --preset native --target unit_tests >/dev/null
build/native/tests/unit_tests --gtest_filter='TickSchedule.*' | grep 'simulated day'

display=:$((190 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
wineserver --kill 2>/dev/null || true
trap 'wineserver --kill 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1

echo "== start-up, under Wine"
wine "$bin/startup_probe.exe" "$bin/QV-UTT-V1.exe" "$bin/minimal_window.exe" 15

echo "== long run, under Wine"
wine "$bin/long_run.exe" "$ticks" "$cycles"
