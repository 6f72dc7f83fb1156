# shellcheck shell=bash
# The test services: each is a script in this folder that answers start|stop|status.
#   start   starts the service (or finds it running) under $CORVALIN_RUN and prints, on stdout,
#           shell lines that point the tests at it (export NAME=...); messages go to stderr
#   stop    stops it; safe to call when it is not running, or only half started
#   status  exits 0 when it answers
#
# Source this file, start services with `service_start NAME` (for NAME.sh) and stop them all,
# newest first, with `services_stop_all` (scripts/test.sh does so from its EXIT trap).

SERVICES_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
SERVICES_STARTED=()

service_start() {
    local name=$1 out
    # Listed before it starts, so that a start cut short is stopped as well.
    SERVICES_STARTED+=("$name")
    if ! out=$(bash "$SERVICES_DIR/$name.sh" start); then
        echo "services: $name did not start" >&2
        return 1
    fi
    eval "$out"
}

services_stop_all() {
    local i name
    for (( i = ${#SERVICES_STARTED[@]} - 1; i >= 0; i-- )); do
        name=${SERVICES_STARTED[i]}
        bash "$SERVICES_DIR/$name.sh" stop || echo "services: stopping $name failed" >&2
    done
    SERVICES_STARTED=()
}

# TERM to the process group led by $1, KILL to whatever is left of it after 10 s. Processes that
# have ended but wait to be reaped (state Z) count as gone.
stop_group() {
    local pgid=$1
    kill -TERM -- "-$pgid" 2>/dev/null || return 0
    for _ in $(seq 100); do
        pgrep -g "$pgid" -r D,I,R,S,T,t,W >/dev/null || break
        sleep 0.1
    done
    kill -KILL -- "-$pgid" 2>/dev/null || true
    wait "$pgid" 2>/dev/null || true
}
