#!/usr/bin/env bash
# A private PipeWire for the integration tests, beside the PulseAudio of pulse.sh: pipewire,
# wireplumber and pipewire-pulse started by hand (no systemd) with their own runtime, config and
# state folders and a session bus of their own, under the run folder ($CORVALIN_RUN). The two null
# sinks main_out (the default) and bell_out are made in PipeWire's own configuration, so that they
# stay when pipewire-pulse restarts (sinks made with pactl load-module would go with it).
#
#   pipewire.sh start    starts it (or finds it running) and prints the line to use it:
#                        export CORVALIN_PIPEWIRE_SERVER=unix:.../pulse/native
#   pipewire.sh stop     stops all of it
#   pipewire.sh restart  stops pipewire-pulse and starts it again, as an update or a crash does
#   pipewire.sh status   exits 0 when its PulseAudio service answers
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

RUN=${CORVALIN_RUN:-/tmp/corvalin-run}
DIR=$RUN/pipewire
PIDFILE=$DIR/pipewire.pid
LOG=$DIR/pipewire.log
SERVER=unix:$DIR/xdg/pulse/native

environment() {
    export XDG_RUNTIME_DIR=$DIR/xdg XDG_CONFIG_HOME=$DIR/config XDG_STATE_HOME=$DIR/state HOME=$DIR/home
    [[ -f $DIR/bus.address ]] && DBUS_SESSION_BUS_ADDRESS=$(<"$DIR/bus.address") && export DBUS_SESSION_BUS_ADDRESS
    return 0
}

answers() {
    PULSE_SERVER=$SERVER timeout 5 pactl list short sinks 2>/dev/null | grep -q bell_out
}

start_pulse_service() {
    environment
    setsid pipewire-pulse </dev/null >>"$DIR/pipewire-pulse.log" 2>&1 &
    echo $! >"$DIR/pipewire-pulse.pid"
}

start() {
    for tool in pipewire wireplumber pipewire-pulse pactl dbus-daemon; do
        command -v "$tool" >/dev/null || { echo "pipewire.sh: $tool is missing (apt-get install pipewire wireplumber pipewire-pulse dbus-daemon)" >&2; exit 1; }
    done
    if running_pid >/dev/null && answers; then
        echo "export CORVALIN_PIPEWIRE_SERVER=$SERVER"
        return 0
    fi
    stop >/dev/null 2>&1 || true

    mkdir -p "$DIR/xdg" "$DIR/config/pipewire/pipewire.conf.d" "$DIR/state" "$DIR/home"
    chmod 700 "$DIR/xdg"
    local sink
    {
        echo "context.objects = ["
        for sink in main_out:Main_output:1000 bell_out:Bell_output:900; do
            IFS=: read -r name description priority <<<"$sink"
            cat <<CONF
    { factory = adapter
      args = {
          factory.name = support.null-audio-sink
          node.name = $name
          node.description = $description
          media.class = Audio/Sink
          audio.position = [ FL FR ]
          object.linger = true
          priority.driver = $priority
          priority.session = $priority
      }
    }
CONF
        done
        echo "]"
    } >"$DIR/config/pipewire/pipewire.conf.d/50-corvalin-sinks.conf"

    environment
    dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$DIR/bus.address" 4>"$DIR/dbus.pid"
    environment
    setsid pipewire </dev/null >"$LOG" 2>&1 &
    echo $! >"$PIDFILE"
    setsid wireplumber </dev/null >"$DIR/wireplumber.log" 2>&1 &
    echo $! >"$DIR/wireplumber.pid"
    start_pulse_service

    await_answer "pipewire.sh: PipeWire's PulseAudio service"
    # main_out is the default by its priority; said again until the session manager has taken it.
    for _ in $(seq 50); do
        [[ $(PULSE_SERVER=$SERVER pactl get-default-sink 2>/dev/null) == main_out ]] && break
        PULSE_SERVER=$SERVER pactl set-default-sink main_out >/dev/null 2>&1 || true
        sleep 0.1
    done
    echo "export CORVALIN_PIPEWIRE_SERVER=$SERVER"
}

restart() {
    local pid
    if pid=$(pid_from "$DIR/pipewire-pulse.pid"); then stop_pids "$pid"; fi
    start_pulse_service
    await_answer "pipewire.sh: PipeWire's PulseAudio service"
}

stop() {
    local pids=() pid file
    for file in pipewire-pulse.pid wireplumber.pid pipewire.pid dbus.pid; do
        if pid=$(pid_from "$DIR/$file"); then pids+=("$pid"); fi
    done
    for name in pipewire-pulse wireplumber pipewire; do
        while read -r pid; do pids+=("$pid"); done < <(pids_naming_env "$name")
    done
    stop_pids "${pids[@]}"
    rm -f "$DIR"/*.pid "$DIR/bus.address"
}

# PipeWire's processes name no folder on their command line: those of this run are found by the
# runtime folder in their environment.
pids_naming_env() {
    local name=$1 proc comm
    for proc in /proc/[0-9]*; do
        { read -r comm <"$proc/comm"; } 2>/dev/null || continue
        [[ $comm == "$name" ]] || continue
        tr '\0' '\n' 2>/dev/null <"$proc/environ" | grep -qx "XDG_RUNTIME_DIR=$DIR/xdg" && echo "${proc#/proc/}"
    done
    return 0
}

case ${1:-} in
    restart) restart ;;
    *) service_main "$@" ;;
esac
