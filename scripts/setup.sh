#!/usr/bin/env bash
# Installs the Debian packages that building and running Corvalin need, then builds it
# into build/ (the runnable program folder is build/program/).
# With --tests it also installs what the tests and their services need, and builds the tests;
# with --bench the same packages, and builds the benchmarks; with --package what making the
# Debian package needs (scripts/package.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libpulse-dev libsndfile1-dev libical-dev libzip-dev
          libsodium-dev libmicrohttpd-dev libgnutls28-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-dejavu-core fonts-liberation2 fonts-nanum)
if [[ "${1:-}" == "--tests" || "${1:-}" == "--bench" ]]; then
    packages+=(dpkg-dev file lintian desktop-file-utils appstream systemd libglib2.0-bin pulseaudio pulseaudio-utils pipewire wireplumber pipewire-pulse sox faketime strace xvfb xauth x11-utils trayer procps chrony dbus-daemon
               python3-dbusmock chromium chromium-driver python3-selenium
               python3-pyatspi at-spi2-core)
fi
if [[ "${1:-}" == "--package" ]]; then
    packages+=(dpkg-dev file)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if (( ${#missing[@]} )); then
    export DEBIAN_FRONTEND=noninteractive
    # chrony's package would start its daemon, which sets this machine's clock; the tests run
    # their own, with -x. No service starts while installing, unless a policy already decides.
    if [[ ! -e /usr/sbin/policy-rc.d ]]; then
        printf '#!/bin/sh\nexit 101\n' >/usr/sbin/policy-rc.d
        chmod 755 /usr/sbin/policy-rc.d
        trap 'rm -f /usr/sbin/policy-rc.d' EXIT
    fi
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [[ "${2:-}" == "--no-build" ]]; then
    exit 0
fi

# Configured once; afterwards the build itself configures again when a CMakeLists.txt changed.
if [[ ! -f build/build.ninja ]]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
if [[ "${1:-}" == "--tests" ]]; then
    cmake --build build --parallel "$(nproc)"
elif [[ "${1:-}" == "--bench" ]]; then
    cmake --build build --parallel "$(nproc)" --target benchmarks
else
    # Running needs only the program and its folder; the test programs are built by the test
    # command. Quiet when it works: its output is kept in build/build.log and shown when it fails.
    if ! cmake --build build --parallel "$(nproc)" --target Corvalin >build/build.log 2>&1; then
        cat build/build.log >&2
        echo "setup.sh: the build failed (its output is above and in build/build.log)" >&2
        exit 1
    fi
fi
