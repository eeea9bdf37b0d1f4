#!/usr/bin/env bash
# Sets up the machine, builds Zephon Cleaner and starts it in its own program
# folder (build/run/Zephon Cleaner) under Wine. With a display the window
# opens there; without one the program runs on a virtual display and a
# screenshot of its window is saved.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/build.sh" x86_64 >/dev/null
source "$root/scripts/wine_env.sh"

program_dir="$root/build/run/Zephon Cleaner"
mkdir -p "$program_dir"
cp "$root/build/x86_64/cleaner/shell/Zephon Cleaner.exe" "$program_dir/"
cd "$program_dir"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "Starting Zephon Cleaner in $program_dir"
    exec "$WINE" "Zephon Cleaner.exe"
fi

echo "No display found: running Zephon Cleaner on a virtual display."
start_virtual_display
trap stop_wine_and_display EXIT
start_wineserver
"$WINE" "Zephon Cleaner.exe" &
sleep 6
shot="$root/build/run/zephon-cleaner.png"
import -window root -crop 554x352+50+67 "$shot"
echo "The program folder is $program_dir; it now holds:"
(cd "$program_dir" && find . -mindepth 1 -type d | sort | sed 's/^/  /')
echo "Screenshot of the main window: $shot"
