#!/usr/bin/env bash
# ThreadSanitizer run: builds, into build-tsan/ (CORVALIN_SANITIZE=thread), only the program and
# the tests that run a real bell thread beside the window's (the bell station's own test and the
# integration tests that start the real program, windowed and headless), starts the test services
# they need as scripts/test.sh does, and runs those tests under CTest. Any failing test or any
# ThreadSanitizer report, in a test or in a copy of the program it started, fails the run; the
# reports are kept in build-tsan/tsan-reports/ and shown at the end. However the run ends, the
# tests and the services are stopped.
# shellcheck disable=SC2317  # stop_group and finish run from the traps
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=$ROOT/build-tsan
REPORTS=$BUILD/tsan-reports

# The tests that run with a bell thread: test_bellstation starts one in the test itself, the window
# tests listed last run their window against one through the client; the others
# start the real program, whose bell thread rings while its window's thread runs.
TESTS=(test_bellstation test_program test_instance test_headless test_endtoend test_serverrestart test_clockstep
       test_poweroff test_timesync_timedated test_setupcommand
       test_service test_modes test_settingsfiles test_timelist test_setup test_tray
       test_ringing test_calendar test_startup test_clocktick test_countdown test_syncerror test_today test_copyday
       test_alarm test_follow test_control test_follow_program test_setupfeed test_staffpage)
# The same tests again against PipeWire's PulseAudio service.
PIPEWIRE_TESTS=(test_endtoend_pipewire test_serverrestart_pipewire)
# Named tests only, when some are named: `bash scripts/tsan.sh test_control`.
if (( $# )); then
    TESTS=("$@")
    PIPEWIRE_TESTS=()
fi

# As scripts/test.sh: started with & from a script, bash could not trap SIGINT; start again with
# it restored.
sigint_ignored() {
    local key mask
    while read -r key mask; do
        [[ $key == SigIgn: ]] && (( 0x$mask & 2 )) && return 0
    done </proc/$$/status
    return 1
}
if [[ -z ${CORVALIN_TSAN_SIGINT_RESET:-} ]] && sigint_ignored; then
    export CORVALIN_TSAN_SIGINT_RESET=1
    exec env --default-signal=INT bash "$ROOT/scripts/tsan.sh" "$@"
fi

# What the build and the services need: the packages of the tests.
bash "$ROOT/scripts/setup.sh" --tests --no-build

# Configured once (the build configures again when a CMakeLists.txt changed); its own build folder,
# since ThreadSanitizer's objects cannot be linked with the others.
if [[ ! -f $BUILD/build.ninja ]]; then
    launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVALIN_SANITIZE=thread "${launcher[@]}"
fi
cmake --build "$BUILD" --parallel "${CORVALIN_BUILD_JOBS:-$(nproc)}" --target Corvalin "${TESTS[@]}"

source "$ROOT/scripts/services/lib.sh"

RUN_CREATED=   # the run folder this script made, removed at the end
CTEST_PID=     # CTest while it runs, in a process group of its own

finish() {
    local rc=$?
    trap '' INT TERM HUP
    if [[ -n $CTEST_PID ]]; then
        echo "tsan.sh: stopping the tests" >&2
        stop_group "$CTEST_PID"
    fi
    services_stop_all
    if [[ -n $RUN_CREATED ]]; then
        rm -rf "$RUN_CREATED"
    fi
    exit "$rc"
}
trap finish EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

if [[ -z ${CORVALIN_RUN:-} ]]; then
    RUN_CREATED=$(mktemp -d /tmp/corvalin-tsan.XXXXXX)
    CORVALIN_RUN=$RUN_CREATED
fi
export CORVALIN_RUN
echo "tsan.sh: run folder $CORVALIN_RUN"

service_start pulse
service_start pipewire
service_start xvfb
service_start chrony
service_start sysbus
service_start timedated
service_start logind
# No test reaches a public time server (as in scripts/test.sh).
export CORVALIN_TIME_SERVER1=127.0.0.1:9 CORVALIN_TIME_SERVER2=127.0.0.1:9
mkdir -p "$CORVALIN_RUN/tmp"
export TMPDIR=$CORVALIN_RUN/tmp

# Every process of the run (tests, the program's copies, also those run as another user) writes
# its reports to a file of its own here: a copy of the program that a test only starts and stops
# fails the run too. The first report ends the process that made it, with exit code 66.
# die_after_fork=0: the staff page's test process was ended ("starting new threads after
# multi-threaded fork") as its network client started threads after QProcess had started programs;
# the program itself forks nowhere, and a race there is still reported.
rm -rf "$REPORTS"
mkdir -p "$REPORTS"
chmod 1777 "$REPORTS"
# The integration tests' time budgets grow with the build's slowness (see copyscene.h).
export CORVALIN_TEST_SLOWER=${CORVALIN_TEST_SLOWER:-3}
# And so does QtTest's bound on one test function (5 minutes by default), which a function that
# waits for a bell at its minute can pass under ThreadSanitizer with the machine busy.
export QTEST_FUNCTION_TIMEOUT=${QTEST_FUNCTION_TIMEOUT:-600000}
export TSAN_OPTIONS="halt_on_error=1 exitcode=66 die_after_fork=0 second_deadlock_stack=1 history_size=4 suppressions=$ROOT/scripts/tsan.supp log_path=$REPORTS/report"

tests_regex="^($(IFS='|'; echo "${TESTS[*]} ${PIPEWIRE_TESTS[*]}" | tr ' ' '|' | sed 's/|$//'))\$"
cd "$BUILD"
rc=0
setsid --wait ctest -R "$tests_regex" --output-on-failure --timeout 900 </dev/null &
CTEST_PID=$!
wait "$CTEST_PID" || rc=$?
CTEST_PID=

shopt -s nullglob
reports=("$REPORTS"/report.*)
if (( ${#reports[@]} )); then
    for report in "${reports[@]}"; do
        echo "---- $report" >&2
        cat "$report" >&2
    done
    echo "tsan.sh: ThreadSanitizer reported in ${#reports[@]} process(es); the reports are in $REPORTS" >&2
    (( rc )) || rc=1
fi
exit "$rc"
