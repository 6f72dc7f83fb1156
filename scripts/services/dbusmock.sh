#!/usr/bin/env bash
# A stand-in for a systemd service on the private system bus (start sysbus.sh first): Debian's
# python3-dbusmock with one of its templates. Its methods change nothing on this machine; every
# call is kept in $RUN/TEMPLATE/calls.log, where the tests read them.
#
#   dbusmock.sh TEMPLATE BUS_NAME start   starts it (or finds it running); prints nothing to export
#   dbusmock.sh TEMPLATE BUS_NAME stop    stops it: the mock in the pid file and any dbusmock naming
#                                         the run folder
#   dbusmock.sh TEMPLATE BUS_NAME status  exits 0 when BUS_NAME is on the bus
# timedated.sh and logind.sh call it with their template.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

TEMPLATE=$1
BUS_NAME=$2
shift 2
RUN=${CORVALIN_RUN:-/tmp/corvalin-run}
DIR=$RUN/$TEMPLATE
PIDFILE=$DIR/mock.pid
LOG=$DIR/mock.log
ADDRESS=unix:path=$RUN/sysbus/system_bus_socket

answers() {
    DBUS_SYSTEM_BUS_ADDRESS=$ADDRESS timeout 5 dbus-send --system --print-reply --dest=org.freedesktop.DBus \
        /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner "string:$BUS_NAME" 2>/dev/null |
        grep -q 'boolean true'
}


start() {
    # Debian's python3 by its full path: the python3 on PATH may be another without dbusmock.
    /usr/bin/python3 -c 'import dbusmock' 2>/dev/null ||
        { echo "dbusmock.sh $TEMPLATE: python3-dbusmock is missing (apt-get install python3-dbusmock)" >&2; exit 1; }
    if running_pid >/dev/null && answers; then
        return 0
    fi
    stop >/dev/null 2>&1 || true

    mkdir -p "$DIR"
    # The run folder is named on the command line so that stop finds a mock whose pid file is gone.
    DBUS_SYSTEM_BUS_ADDRESS=$ADDRESS setsid /usr/bin/python3 -m dbusmock --system --template "$TEMPLATE" \
        -l "$DIR/calls.log" </dev/null >"$LOG" 2>&1 &
    echo $! >"$PIDFILE"

    await_answer "dbusmock.sh $TEMPLATE: the stand-in"
}

# The process in the pid file and any left behind that names this run's folder.
stop() { stop_service "python3" " $DIR/calls.log"; }

service_main "$@"
