#!/usr/bin/env bash
# A private system bus for the tests: a dbus-daemon of type "system" on a unix socket under the
# run folder ($CORVALIN_RUN, default /tmp/corvalin-run), open to every local user, so that a test
# can run the program as an ordinary user against stand-ins of the system services (see
# timedated.sh). The machine's own system bus is never used.
#
#   sysbus.sh start   starts it (or finds it running) and prints the line to use it:
#                     eval "$(scripts/services/sysbus.sh start)"
#   sysbus.sh stop    stops it: the daemon in the pid file and any dbus-daemon naming the run folder
#   sysbus.sh status  exits 0 when it answers
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

RUN=${CORVALIN_RUN:-/tmp/corvalin-run}
DIR=$RUN/sysbus
SOCK=$DIR/system_bus_socket
CONF=$DIR/system.conf
PIDFILE=$DIR/daemon.pid
LOG=$DIR/daemon.log
ADDRESS=unix:path=$SOCK

answers() {
    DBUS_SYSTEM_BUS_ADDRESS=$ADDRESS timeout 5 dbus-send --system --print-reply --dest=org.freedesktop.DBus \
        /org/freedesktop/DBus org.freedesktop.DBus.GetId >/dev/null 2>&1
}


start() {
    for tool in dbus-daemon dbus-send; do
        command -v "$tool" >/dev/null || { echo "sysbus.sh: $tool is missing (apt-get install dbus-daemon dbus-bin)" >&2; exit 1; }
    done
    if running_pid >/dev/null && answers; then
        echo "export DBUS_SYSTEM_BUS_ADDRESS=$ADDRESS"
        return 0
    fi
    stop >/dev/null 2>&1 || true

    # An ordinary user reaches the socket through the run folder.
    mkdir -p "$DIR"
    chmod a+x "$RUN"
    chmod 755 "$DIR"
    cat >"$CONF" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>$ADDRESS</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_type="method_call"/>
    <allow send_type="signal"/>
    <allow send_type="method_return"/>
    <allow send_type="error"/>
    <allow receive_type="method_call"/>
    <allow receive_type="signal"/>
    <allow receive_type="method_return"/>
    <allow receive_type="error"/>
  </policy>
</busconfig>
CONF

    setsid dbus-daemon --config-file="$CONF" --nofork --nopidfile </dev/null >"$LOG" 2>&1 &
    echo $! >"$PIDFILE"

    await_answer "sysbus.sh: the bus"
    chmod a+rw "$SOCK"
    echo "export DBUS_SYSTEM_BUS_ADDRESS=$ADDRESS"
}

# The process in the pid file and any left behind that names this run's folder.
stop() { stop_service "dbus-daemon" "=$CONF" "$SOCK"; }

service_main "$@"
