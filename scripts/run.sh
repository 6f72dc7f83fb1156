#!/usr/bin/env bash
# Sets up, builds and starts Corvalin from build/program/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "No display found: Corvalin runs without a window (QT_QPA_PLATFORM=offscreen) and rings its bells."
    export QT_QPA_PLATFORM=offscreen
fi
exec build/program/Corvalin
