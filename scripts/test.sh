#!/usr/bin/env bash
# Sets up, builds, starts the test services (scripts/services/: a private PulseAudio server with
# two null sinks, a private PipeWire with the same two sinks and its PulseAudio service, chronyd serving a clock an hour ahead on loopback, a private system bus with a
# stand-in timedated), runs every test with CTest and stops the services again, however the run ends:
# success, failing tests, a failing set-up step, Ctrl-C or SIGTERM. The exit code is CTest's.
# shellcheck disable=SC2317  # stop_group and finish run from the traps
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Started with & from a script (a shell without job control), this one begins with SIGINT
# ignored, and bash cannot trap a signal ignored on entry: start again with SIGINT restored.
sigint_ignored() {
    local key mask
    while read -r key mask; do
        [[ $key == SigIgn: ]] && (( 0x$mask & 2 )) && return 0
    done </proc/$$/status
    return 1
}
if [[ -z ${CORVALIN_TEST_SIGINT_RESET:-} ]] && sigint_ignored; then
    export CORVALIN_TEST_SIGINT_RESET=1
    exec env --default-signal=INT bash "$ROOT/scripts/test.sh" "$@"
fi

source "$ROOT/scripts/services/lib.sh"

RUN_CREATED=   # the run folder this script made, removed at the end
TESTS_TMP=     # the tests' temporary folder, removed at the end
CTEST_PID=     # CTest while it runs, in a process group of its own

finish() {
    local rc=$?
    trap '' INT TERM HUP
    if [[ -n $CTEST_PID ]]; then
        echo "test.sh: stopping the tests" >&2
        stop_group "$CTEST_PID"
    fi
    services_stop_all
    if [[ -n $TESTS_TMP ]]; then
        rm -rf "$TESTS_TMP"
    fi
    if [[ -n $RUN_CREATED ]]; then
        rm -rf "$RUN_CREATED"
    fi
    exit "$rc"
}
trap finish EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

bash "$ROOT/scripts/setup.sh" --tests
# The Debian package, which the package tests check, install and run; without it they fail.
bash "$ROOT/scripts/package.sh" >/dev/null || echo "test.sh: the Debian package could not be made" >&2

# The tests that feed the program's readers what comes from outside (settings files written by
# hand, today.ini, alarm.state, set-ups and their signatures, calendar files and feeds, SNTP
# packets) run a second time in an AddressSanitizer and UndefinedBehaviorSanitizer build, in
# build-asan/: a read past an end or an overflow fails them even where the plain build goes on.
# A full run does it; a run of chosen tests (arguments for CTest) only with CORVALIN_ASAN=1.
ASAN_TESTS=(test_settingsformat test_timeentry test_dateexceptions test_icalimport test_alarmsignals test_sntp
            test_ringtable test_settingsstore test_setuparchive test_setupsignature test_setupfeed test_bellstation)
ASAN=${CORVALIN_ASAN:-$(( $# == 0 ))}
if [[ $ASAN == 1 ]]; then
    asan_started=$SECONDS
    if [[ ! -f $ROOT/build-asan/build.ninja ]]; then
        launcher=()
        if command -v ccache >/dev/null; then
            launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
        fi
        cmake -S "$ROOT" -B "$ROOT/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVALIN_SANITIZE=ON \
            "${launcher[@]}" >/dev/null
    fi
    cmake --build "$ROOT/build-asan" --parallel "$(nproc)" --target "${ASAN_TESTS[@]}" >"$ROOT/build-asan/build.log" 2>&1 ||
        { cat "$ROOT/build-asan/build.log" >&2; echo "test.sh: the sanitizer build failed" >&2; exit 1; }
    echo "test.sh: the sanitizer build took $(( SECONDS - asan_started )) s"
fi

if [[ -z ${CORVALIN_RUN:-} ]]; then
    RUN_CREATED=$(mktemp -d /tmp/corvalin-run.XXXXXX)
    CORVALIN_RUN=$RUN_CREATED
fi
export CORVALIN_RUN
echo "test.sh: run folder $CORVALIN_RUN"

service_start pulse
service_start pipewire
service_start xvfb
service_start chrony
service_start sysbus
service_start timedated
service_start logind
# Tests that name no time server of their own ask loopback ports where nothing answers: no test
# reaches a public time server, and none is answered by chance.
export CORVALIN_TIME_SERVER1=127.0.0.1:9 CORVALIN_TIME_SERVER2=127.0.0.1:9

# The tests' own temporary folders go inside the run folder, so that those of a test stopped
# half-way go with it.
TESTS_TMP=$CORVALIN_RUN/tmp
mkdir -p "$TESTS_TMP"
export TMPDIR=$TESTS_TMP

# CTest runs in the background so that a signal reaches the traps at once rather than when
# CTest ends, and in a session of its own so that its tests can be stopped with it.
run_ctest() {
    local folder=$1 rc=0
    shift
    cd "$folder"
    setsid --wait ctest --output-on-failure --timeout 600 "$@" </dev/null &
    CTEST_PID=$!
    wait "$CTEST_PID" || rc=$?
    CTEST_PID=
    return "$rc"
}

asan_rc=0
if [[ $ASAN == 1 ]]; then
    echo "test.sh: the readers of outside input under AddressSanitizer and UndefinedBehaviorSanitizer"
    # Any report ends the test that met it, and fails it. Leaks are not looked for: Qt's and
    # glib's own allocations for the program's life would drown ours.
    asan_started=$SECONDS
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        run_ctest "$ROOT/build-asan" -R "^($(IFS='|'; echo "${ASAN_TESTS[*]}"))\$" || asan_rc=$?
    echo "test.sh: the sanitizer run took $(( SECONDS - asan_started )) s"
    (( asan_rc == 0 )) || echo "test.sh: the sanitizer run failed (exit code $asan_rc); every test runs on" >&2
fi
rc=0
run_ctest "$ROOT/build" "$@" || rc=$?
(( rc != 0 )) || rc=$asan_rc
exit "$rc"
