#!/usr/bin/env bash
# Sets up, builds, starts the test services (a private PulseAudio server with two null
# sinks), runs every test with CTest and stops the services again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --tests

export CORVALIN_RUN="${CORVALIN_RUN:-$(mktemp -d /tmp/corvalin-run.XXXXXX)}"
stop_services() {
    if [[ -f scripts/services/pulse.sh ]]; then bash scripts/services/pulse.sh stop || true; fi
}
trap stop_services EXIT
if [[ -f scripts/services/pulse.sh ]]; then
    eval "$(bash scripts/services/pulse.sh start)"
fi

cd build
ctest --output-on-failure --timeout 600
