#!/usr/bin/env bash
# A private X display with a tray host, for the tests that need a real window system (the tray
# icon): Xvfb on a free display number and trayer, the notification area, on it. Under the run
# folder ($CORVALIN_RUN, default /tmp/corvalin-run).
#
#   xvfb.sh start   starts both and prints: export CORVALIN_TEST_DISPLAY=:N
#   xvfb.sh stop    stops both
#   xvfb.sh status  exits 0 when the display answers
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

RUN=${CORVALIN_RUN:-/tmp/corvalin-run}
DIR=$RUN/xvfb

pid_of() { pid_from "$DIR/$1.pid"; }

display() { [[ -f $DIR/display ]] && echo ":$(<"$DIR/display")"; }

answers() {
    local d
    d=$(display) || return 1
    DISPLAY=$d timeout 5 xdpyinfo >/dev/null 2>&1
}

start() {
    for tool in Xvfb trayer xdpyinfo; do
        command -v "$tool" >/dev/null || { echo "xvfb.sh: $tool is missing (apt-get install xvfb trayer x11-utils)" >&2; exit 1; }
    done
    if pid_of xvfb >/dev/null && answers; then
        echo "export CORVALIN_TEST_DISPLAY=$(display)"
        return 0
    fi
    stop >/dev/null 2>&1 || true
    mkdir -p "$DIR"
    # -displayfd: Xvfb picks a free display number and writes it once it listens.
    exec 3>"$DIR/display"
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp </dev/null >"$DIR/xvfb.log" 2>&1 &
    echo $! >"$DIR/xvfb.pid"
    exec 3>&-
    for _ in $(seq 100); do
        [[ -s $DIR/display ]] && answers && break
        pid_of xvfb >/dev/null || break
        sleep 0.1
    done
    if ! answers; then
        echo "xvfb.sh: the display did not come up; its log:" >&2
        cat "$DIR/xvfb.log" >&2 || true
        stop >/dev/null 2>&1 || true
        exit 1
    fi
    DISPLAY=$(display) setsid trayer --edge top --align right --widthtype pixel --width 200 \
        --heighttype pixel --height 32 </dev/null >"$DIR/trayer.log" 2>&1 &
    echo $! >"$DIR/trayer.pid"
    sleep 0.5
    echo "export CORVALIN_TEST_DISPLAY=$(display)"
}

stop() {
    local name pid
    for name in trayer xvfb; do
        if pid=$(pid_of "$name"); then
            stop_pids "$pid"
        fi
        rm -f "$DIR/$name.pid"
    done
}

service_main "$@"
