#!/usr/bin/env bash
# The Debian package that scripts/package.sh made: the files it installs, its desktop entry, its
# AppStream data and its user unit validated, its dependencies found from the libraries, and no
# error from lintian. Usage: test_package.sh BUILD_DIR
set -euo pipefail
build=$1
shopt -s nullglob
debs=("$build"/corvalin_*.deb)
(( ${#debs[@]} == 1 )) || { echo "expected one package in $build (bash scripts/package.sh): ${debs[*]:-none}"; exit 1; }
deb=${debs[0]}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

id=org.corvalin.Corvalin
for file in usr/bin/corvalin usr/share/corvalin/readme.txt usr/share/corvalin/img/corvalin-64.png \
            usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/$id.svg usr/lib/systemd/user/corvalin.service \
            usr/share/man/man1/corvalin.1.gz usr/share/doc/corvalin/copyright usr/share/doc/corvalin/changelog.gz; do
    [[ -f $root/$file ]] || fail "$file is missing"
done
for size in 16 24 32 48 64 128 256; do
    [[ -f $root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png ]] || fail "the ${size}px icon is missing"
done
sounds=("$root"/usr/share/corvalin/sound/*.wav)
(( ${#sounds[@]} > 0 )) || fail "no bell sounds"
[[ -x $root/usr/bin/corvalin ]] || fail "corvalin is not executable"
outside=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[[ -z $outside ]] || fail "files outside /usr: $outside"

# The dependencies come from the libraries the program links.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6widgets6 libpulse0 libsndfile1 libical3 libmicrohttpd12; do
    [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
unit=$root/usr/lib/systemd/user/corvalin.service
grep -qx 'ExecStart=/usr/bin/corvalin --headless' "$unit" || fail "the unit does not start /usr/bin/corvalin --headless"
# systemd-analyze looks for the program the unit names: this copy names the unpacked one.
mkdir -m 700 "$work/runtime"
sed "s|/usr/bin/corvalin|$root/usr/bin/corvalin|" "$unit" >"$work/corvalin.service"
XDG_RUNTIME_DIR=$work/runtime systemd-analyze --user verify "$work/corvalin.service" || fail "systemd-analyze verify"
zcat "$root/usr/share/man/man1/corvalin.1.gz" | grep -qF -- '\-\-headless' || fail "the manual page lacks --headless"

# The installed program says where its settings are (the user's data folder, never beside it under
# /usr) and the one version the package has.
help=$(XDG_DATA_HOME=$work/xdg "$root/usr/bin/corvalin" --help) || fail "--help"
[[ $help == *"$work/xdg/corvalin/data"* ]] || fail "--help does not name the user's data folder: $help"
[[ $help != *"Settings live in $root"* ]] || fail "--help names a data folder under /usr: $help"
[[ $("$root/usr/bin/corvalin" --version) == "Corvalin $(dpkg-deb -f "$deb" Version)" ]] ||
    fail "--version is not the package's version: $("$root/usr/bin/corvalin" --version)"

lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"
(( failed == 0 )) && echo "package checked: $deb"
exit "$failed"
