# shellcheck shell=bash
# What every test service script shares: its process from its pid file, the processes of it left
# behind that name this run's folder, and stopping them. Sourced by pulse.sh, chrony.sh,
# sysbus.sh and dbusmock.sh.

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
