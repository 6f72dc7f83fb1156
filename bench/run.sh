#!/usr/bin/env bash
# Sets up and builds the benchmarks, starts private sound servers for them (PulseAudio, and PipeWire
# for a second bell-onset run), runs them, prints
# their figures and adds them to build/bench/results.txt; the server is stopped however the run
# ends. About 35 minutes (10 bells, one a minute; 10 minutes of idle, with a window and without);
# --quick takes about 6 (3 bells, 1 minute of each idle, 3 starts, 3 runs of each iCalendar import).
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/services/lib.sh"

bells=10 minutes=10 runs=10
if [[ ${1:-} == --quick ]]; then
    bells=3 minutes=1 runs=3
fi

bash "$ROOT/scripts/setup.sh" --bench

RUN=$(mktemp -d /tmp/corvalin-bench.XXXXXX)
export CORVALIN_RUN=$RUN TMPDIR=$RUN
finish() {
    local rc=$?
    trap '' INT TERM
    services_stop_all
    rm -rf "$RUN"
    exit "$rc"
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

service_start pulse

results=$ROOT/build/bench/results.txt
rc=0
"$ROOT/build/bench/bench_startup" --runs "$runs" --source "$ROOT" --results "$results" || rc=1
"$ROOT/build/bench/bench_idle" --minutes "$minutes" --results "$results" || rc=1
"$ROOT/build/bench/bench_idle" --minutes "$minutes" --headless --results "$results" || rc=1
"$ROOT/build/bench/bench_onset" --bells "$bells" --results "$results" || rc=1
# PipeWire started just before its run: a fresh graph, as after a logon.
service_start pipewire
PULSE_SERVER=$CORVALIN_PIPEWIRE_SERVER "$ROOT/build/bench/bench_onset" --bells "$bells" --results "$results" || rc=1
"$ROOT/build/bench/bench_import" --runs "$runs" --results "$results" || rc=1
echo "bench: figures added to $results"
exit "$rc"
