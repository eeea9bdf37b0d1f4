#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test: the Windows
# tests under 64-bit Wine on a virtual display, the portable tests natively
# and again under AddressSanitizer and UndefinedBehaviorSanitizer, then every
# fuzz target for a minute.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/build.sh"
source "$root/scripts/wine_env.sh"

start_virtual_display
trap stop_wine_and_display EXIT
start_wineserver

status=0
echo "tests: Windows build under Wine"
ctest --test-dir "$root/build/x86_64" --output-on-failure -j2 || status=1
echo "tests: native build"
ctest --test-dir "$root/build/native" --output-on-failure -j2 || status=1
echo "tests: sanitizer build"
ctest --test-dir "$root/build/sanitize" --output-on-failure -j2 || status=1
echo "tests: fuzz targets"
bash "$root/scripts/fuzz.sh" 60 || status=1
exit $status
