#!/usr/bin/env bash
# A private PulseAudio server for the integration tests: two null sinks, main_out (the default)
# and bell_out, on a unix socket under the run folder ($CORVALIN_RUN, default /tmp/corvalin-run).
#
#   pulse.sh start   starts it (or finds it running) and prints the line to use it:
#                    eval "$(scripts/services/pulse.sh start)"
#   pulse.sh stop    stops it: the server in the pid file and any pulseaudio naming the run folder
#   pulse.sh status  exits 0 when it answers
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

RUN=${CORVALIN_RUN:-/tmp/corvalin-run}
DIR=$RUN/pulse
SOCK=$RUN/pulse.sock
PIDFILE=$DIR/daemon.pid
LOG=$DIR/daemon.log
SERVER=unix:$SOCK

answers() {
    PULSE_SERVER=$SERVER timeout 5 pactl info >/dev/null 2>&1
}


start() {
    for tool in pulseaudio pactl; do
        command -v "$tool" >/dev/null || { echo "pulse.sh: $tool is missing (apt-get install pulseaudio pulseaudio-utils)" >&2; exit 1; }
    done
    if running_pid >/dev/null && answers; then
        echo "export PULSE_SERVER=$SERVER"
        return 0
    fi
    stop >/dev/null 2>&1 || true

    mkdir -p "$DIR/home" "$DIR/xdg"
    chmod 700 "$DIR/xdg"
    cat >"$DIR/ci.pa" <<PA
load-module module-native-protocol-unix auth-anonymous=1 socket=$SOCK
load-module module-null-sink sink_name=main_out sink_properties=device.description=Main_output
load-module module-null-sink sink_name=bell_out sink_properties=device.description=Bell_output
set-default-sink main_out
PA

    # --system=no keeps the per-user mode when run as root; HOME and XDG_RUNTIME_DIR keep the
    # server's state, cookie and pid file inside the run folder.
    HOME=$DIR/home XDG_RUNTIME_DIR=$DIR/xdg setsid pulseaudio --system=no --daemonize=no \
        --exit-idle-time=-1 --disallow-exit --use-pid-file=no -n -F "$DIR/ci.pa" \
        </dev/null >"$LOG" 2>&1 &
    echo $! >"$PIDFILE"

    await_answer "pulse.sh: the server"
    echo "export PULSE_SERVER=$SERVER"
}

# The process in the pid file and any left behind that names this run's folder.
stop() { stop_service "pulseaudio" " $DIR/" "$SOCK"; }

service_main "$@"
