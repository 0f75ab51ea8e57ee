#!/usr/bin/env bash
# Packages the built program with cpack, unpacks the package into a
# temporary root and checks what a Debian machine would install.
set -euo pipefail
build=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work/out" > /dev/null
deb=$work/out/tallyvane_${version}-1_amd64.deb
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "no library dependencies"; exit 1; }
lintian --fail-on error "$deb"

root=$work/root
dpkg -x "$deb" "$root"
# No display: the answer must come before any window system is needed.
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$root/usr/bin/tallyvane" --version)
[ "$answer" = "tallyvane $version" ] || { echo "--version said: $answer"; exit 1; }
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$root/usr/share/applications/tallyvane.desktop"
test -f "$root/usr/share/icons/hicolor/scalable/apps/tallyvane.svg"
test -f "$root/usr/share/man/man1/tallyvane.1.gz"
