#!/usr/bin/env bash
# Builds the program and its Debian package, build/corvalin_<version>_<arch>.deb, with CPack's DEB
# generator from the same build that the program folder and the tests use (see cmake/packaging.cmake).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --package
cd build
rm -f corvalin_*.deb
# Quiet when it works, as the build is.
if ! cpack --config CPackConfig.cmake >package.log 2>&1; then
    cat package.log >&2
    echo "package.sh: the package could not be made (its output is above and in build/package.log)" >&2
    exit 1
fi
ls "$PWD"/corvalin_*.deb
