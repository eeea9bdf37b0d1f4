#!/bin/sh
# Starts or stops the loopback web server of the network tests.
# Usage: test_server.sh start|stop FOLDER PORT HTTPS_PORT
set -eu
action=$1 folder=$2 port=$3 https_port=$4
here=$(cd "$(dirname "$0")" && pwd)

stop() {
    if [ -f "$folder/server.pid" ]; then
        kill "$(cat "$folder/server.pid")" 2>/dev/null || true
        rm -f "$folder/server.pid"
    fi
}

case "$action" in
start)
    stop
    mkdir -p "$folder"
    rm -f "$folder/ready"
    setsid /usr/bin/python3 "$here/test_server.py" --port "$port" --https-port "$https_port" \
        --cert-dir "$folder/certificates" --ready-file "$folder/ready" \
        >"$folder/server.log" 2>&1 </dev/null &
    echo $! >"$folder/server.pid"
    for _ in $(seq 100); do
        [ -f "$folder/ready" ] && exit 0
        sleep 0.1
    done
    cat "$folder/server.log" >&2
    exit 1
    ;;
stop) stop ;;
esac
