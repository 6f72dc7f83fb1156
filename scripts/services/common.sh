# shellcheck shell=bash
# What every test service script shares: its process from its pid file, the processes of it left
# behind that name this run's folder, waiting for it to answer, stopping it and the
# start|stop|status command line. Sourced by pulse.sh, chrony.sh, sysbus.sh and dbusmock.sh, which
# set PIDFILE and LOG and define start, stop and answers (exit 0 when the service answers);
# xvfb.sh takes the pid and stop helpers and the command line.

# The pid written in the file, when that process runs.
pid_from() {
    [[ -f $1 ]] || return 1
    local pid
    pid=$(<"$1")
    [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null && echo "$pid"
}

# Pids of the processes named COMM whose command line contains TEXT: those a start left behind
# when its pid file went missing.
pids_naming() {
    local name=$1 text=$2 proc comm cmdline
    for proc in /proc/[0-9]*; do
        { read -r comm <"$proc/comm"; } 2>/dev/null || continue
        [[ $comm == "$name" ]] || continue
        cmdline=$(tr '\0' ' ' 2>/dev/null <"$proc/cmdline") || continue
        [[ $cmdline == *"$text"* ]] && echo "${proc#/proc/}"
    done
    return 0
}

# Whether any of the given pids still runs; one that has ended but waits to be reaped (state Z,
# as a service does once it is a child of init) counts as gone.
any_running() {
    local pid stat
    for pid; do
        stat=$(cat "/proc/$pid/stat" 2>/dev/null) || continue
        stat=${stat##*) }
        [[ ${stat:0:1} != Z ]] && return 0
    done
    return 1
}

# Stops the given processes: TERM, up to five seconds, then KILL.
stop_pids() {
    (( $# )) || return 0
    kill "$@" 2>/dev/null || true
    for _ in $(seq 50); do
        any_running "$@" || break
        sleep 0.1
    done
    kill -9 "$@" 2>/dev/null || true
}

# The service's process, from PIDFILE.
running_pid() { pid_from "$PIDFILE"; }

# Waits up to ten seconds for the service to answer, and gives up early when its process ended.
# When it never answers: says so with its log (LOG), stops what was started and exits 1.
await_answer() {
    local what=$1
    for _ in $(seq 100); do
        answers && return 0
        running_pid >/dev/null || break
        sleep 0.1
    done
    echo "$what did not come up; its log:" >&2
    cat "$LOG" >&2 || true
    stop >/dev/null 2>&1 || true
    exit 1
}

# Stops the process in PIDFILE and any named COMM left behind whose command line holds TEXT (this
# run's folder), then removes PIDFILE and the other files given.
stop_service() {
    local name=$1 text=$2 pids=() pid
    shift 2
    if pid=$(running_pid); then pids+=("$pid"); fi
    while read -r pid; do pids+=("$pid"); done < <(pids_naming "$name" "$text")
    stop_pids "${pids[@]}"
    rm -f "$PIDFILE" "$@"
}

# The command line: start, stop or status.
service_main() {
    case ${1:-} in
        start) start ;;
        stop) stop ;;
        status) answers ;;
        *) echo "usage: $0 start|stop|status" >&2; exit 2 ;;
    esac
}
