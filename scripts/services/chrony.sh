#!/usr/bin/env bash
# chronyd as an NTP server for the internet time tests, on 127.0.0.1 at a spare UDP port, serving
# a clock one hour ahead (under faketime). It runs with -x, so it never touches the machine's
# clock, and answers only loopback clients. Its state lives under the run folder
# ($CORVALIN_RUN, default /tmp/corvalin-run).
#
#   chrony.sh start   starts it (or finds it running) and prints the lines to use it:
#                     CORVALIN_CHRONY_SERVER (127.0.0.1:port) and CORVALIN_CHRONY_AHEAD (seconds)
#   chrony.sh stop    stops it: the daemon in the pid file and any chronyd naming the run folder
#   chrony.sh status  exits 0 when it answers with a good time
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

RUN=${CORVALIN_RUN:-/tmp/corvalin-run}
DIR=$RUN/chrony
STATE=$DIR/state
CONF=$DIR/chrony.conf
PIDFILE=$DIR/daemon.pid
PORTFILE=$DIR/port
LOG=$DIR/daemon.log
AHEAD=3600

# Sends one SNTP request and checks the reply: a server (mode 4), stratum 1 to 15, leap indicator
# not 3, our transmit timestamp as its origin.
answers() {
    [[ -f $PORTFILE ]] || return 1
    /usr/bin/python3 - "$(<"$PORTFILE")" <<'PY' 2>/dev/null
import os, socket, sys
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.settimeout(1)
nonce = os.urandom(8)
s.sendto(b'\x1b' + bytes(39) + nonce, ('127.0.0.1', int(sys.argv[1])))
reply = s.recv(512)
ok = len(reply) >= 48 and reply[0] & 7 == 4 and reply[0] >> 6 != 3 and 1 <= reply[1] <= 15 and reply[24:32] == nonce
sys.exit(0 if ok else 1)
PY
}


# The UDP ports in use on this machine, from /proc (hex, one a line).
ports_in_use() {
    awk 'NR > 1 { split($2, a, ":"); print a[2] }' /proc/net/udp /proc/net/udp6 2>/dev/null
}

spare_port() {
    local used port
    used=$(ports_in_use)
    for port in $(seq 11123 11223); do
        if ! grep -qix "$(printf '%04X' "$port")" <<<"$used"; then
            echo "$port"
            return 0
        fi
    done
    return 1
}

print_exports() {
    echo "export CORVALIN_CHRONY_SERVER=127.0.0.1:$(<"$PORTFILE")"
    echo "export CORVALIN_CHRONY_AHEAD=$AHEAD"
}

start() {
    for tool in chronyd /usr/bin/python3; do
        command -v "$tool" >/dev/null || { echo "chrony.sh: $tool is missing (apt-get install chrony faketime python3)" >&2; exit 1; }
    done
    if running_pid >/dev/null && answers; then
        print_exports
        return 0
    fi
    stop >/dev/null 2>&1 || true

    local port
    port=$(spare_port) || { echo "chrony.sh: no spare UDP port in 11123-11223" >&2; exit 1; }
    mkdir -p "$STATE"
    # chronyd drops to the _chrony user once started: its folder must be its own, and the run
    # folder passable.
    chown _chrony: "$STATE" 2>/dev/null || true
    chmod a+x "$RUN"
    echo "$port" >"$PORTFILE"
    cat >"$CONF" <<CONF
port $port
bindaddress 127.0.0.1
allow 127.0.0.1
local stratum 8
cmdport 0
bindcmdaddress /
pidfile $STATE/chronyd.pid
CONF

    # libfaketime preloaded straight into chronyd, so the pid is the daemon's own.
    local faketime_lib
    faketime_lib=$(compgen -G '/usr/lib/*/faketime/libfaketime.so.1' | head -n 1) ||
        { echo "chrony.sh: libfaketime is missing (apt-get install faketime)" >&2; exit 1; }
    LD_PRELOAD=$faketime_lib FAKETIME="+${AHEAD}s" setsid chronyd -x -d -f "$CONF" </dev/null >"$LOG" 2>&1 &
    echo $! >"$PIDFILE"

    await_answer "chrony.sh: chronyd"
    print_exports
}

# The process in the pid file and any left behind that names this run's folder.
stop() { stop_service "chronyd" " $CONF"; }

service_main "$@"
