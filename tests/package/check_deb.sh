#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a built package: control fields, the file list against the ready
# folder it was made from, the desktop, AppStream and MIME files, lintian.
#   check_deb.sh <kivalto_*.deb> <the ready Kivalto folder of that build>
set -euo pipefail
deb=$1
ready=$2
src=$(cd "$(dirname "$0")/../.." && pwd)
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kivalto ] || fail "Package: $(field Package)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
[ "$(basename "$deb")" = "kivalto_$(field Version)_$(field Architecture).deb" ] || fail "file name $(basename "$deb")"
for dep in dosbox libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
    field Depends | grep -qw "$dep" || fail "Depends lacks $dep: $(field Depends)"
done
for rec in mednafen fceux mgba-sdl xchm retroarch libretro-bsnes-mercury-balanced libretro-nestopia libretro-gambatte \
           libretro-beetle-pce-fast; do
    field Recommends | grep -qw "$rec" || fail "Recommends lacks $rec: $(field Recommends)"
done

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||; s|/$||' | sort > "$T/list"
expect() { grep -qx "$1" "$T/list" || fail "the package lacks /$1"; }
expect usr/bin/kivalto
for f in "$src"/data/shipped/*; do expect "usr/share/kivalto/$(basename "$f")"; done
for f in RASNES RANES RAGB RAPCE; do expect "usr/share/kivalto/$f.XPL"; done
expect usr/share/kivalto/Kivalto.chm
(cd "$ready" && find ROMS -type f) | while read -r f; do expect "usr/share/kivalto/$f"; done
for f in applications/kivalto.desktop icons/hicolor/scalable/apps/kivalto.svg icons/hicolor/48x48/apps/kivalto.png \
         icons/hicolor/256x256/apps/kivalto.png metainfo/org.example.kivalto.metainfo.xml mime/packages/kivalto.xml \
         man/man1/kivalto.1.gz doc/kivalto/copyright doc/kivalto/changelog.gz doc/kivalto/screenshot.png; do
    expect "usr/share/$f"
done
! grep -E 'paths\.dat|\.pif$|snesexec|kivalto_makedemo' "$T/list" || fail "the package holds files a start writes"

dpkg-deb -x "$deb" "$T/root"
grep -qx 'License: GPL-3+' "$T/root/usr/share/doc/kivalto/copyright" || fail "the copyright file names no GPL-3+"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$T/root/usr/share/metainfo/org.example.kivalto.metainfo.xml" ||
    fail "the AppStream data names no project license"
desktop-file-validate "$T/root/usr/share/applications/kivalto.desktop"
appstreamcli validate --no-net "$T/root/usr/share/metainfo/org.example.kivalto.metainfo.xml" >/dev/null
xmllint --noout "$T/root/usr/share/mime/packages/kivalto.xml"
echo "package contents and metadata: passed ($(du -k "$deb" | cut -f1) KiB)"
lintian --fail-on error --tag-display-limit 0 "$deb"
echo "lintian: no errors"
