#!/usr/bin/env bash
# Formatting of every C++ file, and clang-tidy over the portable code (it needs
# the native tree's compile commands, so build that first).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
if ! findings=$(clang-tidy --quiet -p build/native --warnings-as-errors='*' \
  src/clock/tick_schedule.cpp src/clock/uptime_counter.cpp src/settings/conversions.cpp src/settings/section_name.cpp src/settings/startup_command.cpp \
  src/settings/window_settings.cpp src/windows/geometry.cpp src/clock/uptime_words.cpp src/windows/colour_scheme.cpp 2>&1); then
  grep -v 'warnings generated' <<<"$findings"
  exit 1
fi
echo "lint: clean"
