# Sourced by the scripts that run Windows programs: a Wine prefix inside the
# build tree, Chinese ANSI code page, a virtual display when none is set.
root="${root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
export WINEPREFIX="$root/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8
export WINE=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver

# Starts Xvfb on a free display number and exports DISPLAY (and XVFB_PID).
start_virtual_display() {
    local number=99
    while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
        number=$((number + 1))
    done
    Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$number" XVFB_PID
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$number" ] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start" >&2
    return 1
}

# A persistent wineserver makes every later Wine process start quickly; the
# display must be set before it starts.
start_wineserver() {
    mkdir -p "$WINEPREFIX"
    "$WINESERVER" -k >/dev/null 2>&1 || true
    "$WINESERVER" -p
    "$WINE" wineboot -i >/dev/null 2>&1 || true
}

stop_wine_and_display() {
    "$WINESERVER" -k >/dev/null 2>&1 || true
    [ -z "${XVFB_PID:-}" ] || kill "$XVFB_PID" 2>/dev/null || true
}
