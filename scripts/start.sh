#!/usr/bin/env bash
# Sets up the machine, builds Zephon Cleaner and starts it in its own program
# folder (build/run/Zephon Cleaner) under Wine. With a display the window
# opens there; without one, both programs are shown at work on a virtual
# display instead: a rule is written in ZC-RulesMaker, imported into Zephon
# Cleaner and run, the cleanup pane is printed and every step is saved as a
# screenshot.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/build.sh" x86_64 >/dev/null
source "$root/scripts/wine_env.sh"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    program_dir="$root/build/run/Zephon Cleaner"
    mkdir -p "$program_dir"
    cp "$root/build/x86_64/cleaner/shell/Zephon Cleaner.exe" "$program_dir/"
    cd "$program_dir"
    echo "Starting Zephon Cleaner in $program_dir"
    exec "$WINE" "Zephon Cleaner.exe"
fi

echo "No display found: showing both programs at work on a virtual display."
start_virtual_display
trap stop_wine_and_display EXIT
start_wineserver
shots="$root/build/x86_64/tests/e2e/screenshots"
ZC_E2E_SCREENSHOTS="$shots" "$WINE" "$root/build/x86_64/tests/e2e/zc_e2e.exe" author-and-clean
echo "Screenshots of every step: $shots"
(cd "$shots" && ls author-and-clean-*.png | sed 's/^/  /')
