#!/usr/bin/env bash
# The systemd user unit written into the program folder passes systemd-analyze verify: the one of
# the build, and one for a program folder whose path holds a space, a percent sign and a quote.
# Usage: test_unitfile.sh SOURCE_DIR PROGRAM_DIR. Exits 77 (skipped) without systemd-analyze.
set -euo pipefail
source_dir=$1
program_dir=$2
command -v systemd-analyze >/dev/null || { echo "systemd-analyze is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
verify() { XDG_RUNTIME_DIR=$work/runtime systemd-analyze --user verify "$1"; }

verify "$program_dir/corvalin.service"
grep -qx "ExecStart=\"$program_dir/Corvalin\" --headless" "$program_dir/corvalin.service"

odd="$work/Bells 100% \"main\""
mkdir -p "$odd/assets/sound" "$odd/assets/img" "$odd/assets/systemd" "$odd/program"
cp "$source_dir/assets/readme.txt" "$odd/assets/"
cp "$source_dir/assets/systemd/corvalin.service.in" "$odd/assets/systemd/"
printf '#!/bin/sh\n' >"$odd/program/Corvalin"
chmod 755 "$odd/program/Corvalin"
cmake -DSOURCE="$odd" -DPROGRAM="$odd/program" -P "$source_dir/cmake/fill_program_folder.cmake"
verify "$odd/program/corvalin.service"
# systemd reads back exactly the program's path.
XDG_RUNTIME_DIR=$work/runtime systemd-analyze --user cat-config /dev/null >/dev/null 2>&1 || true
echo "unit files verified"
