#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Where the real program keeps its files. A portable folder writes a
# paths.dat naming its own ROMS folder, also after it was copied; an
# installed layout (bin/ and share/kivalto/, read-only) runs as an
# ordinary user from a per-user copy in $XDG_DATA_HOME/Kivalto and writes
# nothing beside the executable.
# $1: the ready Kivalto folder (build/kivalto), inside the build folder.
set -euo pipefail
ready=$1
build=$(dirname "$ready")
T=$(mktemp -d /tmp/kvXXXXXX)
chmod 755 "$T"
pid=
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    chmod -R u+w "$T" 2>/dev/null || true
    rm -rf "$T"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; cat "$T/kivalto.log" 2>/dev/null; exit 1; }
export QT_QPA_PLATFORM=offscreen

# Starts a program (with a runner prefix), waits until file $1 appears,
# gives the start two seconds more, then ends it.
run_until() {
    local file=$1; shift
    "$@" >"$T/kivalto.log" 2>&1 &
    pid=$!
    for _ in $(seq 50); do [ -f "$file" ] && break; sleep 0.2; done
    sleep 2
    kill -0 "$pid" 2>/dev/null || fail "kivalto ended during start-up"
    kill "$pid"; wait "$pid" 2>/dev/null || true
    pid=
}
paths_for() {  # the paths.dat a Kivalto folder on the host starts with
    local dos="C:${1//\//\\}\\"
    printf '%s\r\n' "${dos}ROMS\\" 'C:\SPCPLAY\' "$dos" 'C:\UTILS\' '' 'C:\SNESKEY\' ''
}

# Portable: a copy of the ready folder, then a copy of that copy.
mkdir -p "$T/cfg"
cp -r "$ready" "$T/KIV"
rm -f "$T/KIV/paths.dat"
XDG_CONFIG_HOME="$T/cfg" run_until "$T/KIV/sneswin.pif" "$T/KIV/kivalto"
cmp -s "$T/KIV/paths.dat" <(paths_for "$T/KIV") || fail "paths.dat of a fresh folder: $(cat -A "$T/KIV/paths.dat")"
cp -r "$T/KIV" "$T/COPY"
rm "$T/COPY/sneswin.pif"
XDG_CONFIG_HOME="$T/cfg" run_until "$T/COPY/sneswin.pif" "$T/COPY/kivalto"
cmp -s "$T/COPY/paths.dat" <(paths_for "$T/COPY") || fail "paths.dat of a copied folder: $(cat -A "$T/COPY/paths.dat")"
echo "portable folder: passed"

# Installed: read-only bin/ and share/kivalto/, started as an ordinary user
# (nobody, when the test runs as root) with an empty home.
cmake --install "$build" --prefix "$T/inst" >/dev/null
chmod -R a+rX,a-w "$T/inst"
mkdir -p "$T/home"
as_user=(env)
if [ "$(id -u)" -eq 0 ]; then
    chown nobody "$T/home"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups env)
fi
start_installed() {
    run_until "$T/home/.local/share/Kivalto/sneswin.pif" "${as_user[@]}" HOME="$T/home" \
        XDG_CONFIG_HOME="$T/home/.config" QT_QPA_PLATFORM=offscreen "$T/inst/bin/kivalto"
}
before=$(cd "$T/inst" && find . -printf '%p %s %T@\n' | sort)
start_installed
user="$T/home/.local/share/Kivalto"
(cd "$T/inst/share/kivalto" && find . -type f) | while read -r f; do
    cmp -s "$T/inst/share/kivalto/$f" "$user/$f" || fail "the per-user folder lacks $f"
done
cmp -s "$user/paths.dat" <(paths_for "$user") || fail "paths.dat of the per-user folder: $(cat -A "$user/paths.dat")"
[ "$(cd "$T/inst" && find . -printf '%p %s %T@\n' | sort)" = "$before" ] || fail "the start wrote beside the program"

# A second start, after a newer package added a file, keeps the user's own.
printf 'mine\r\n' > "$user/ZSNES.XPL"
printf 'C:\\MY\\ROMS\\\r\n' > "$user/paths.dat"
chmod u+w "$T/inst/share/kivalto"; printf 'new\r\n' > "$T/inst/share/kivalto/NEWER.TXT"; chmod a-w "$T/inst/share/kivalto"
rm "$user/sneswin.pif"
start_installed
[ "$(cat "$user/ZSNES.XPL")" = $'mine\r' ] || fail "the second start replaced the user's plugin"
[ "$(cat "$user/paths.dat")" = $'C:\\MY\\ROMS\\\r' ] || fail "the second start replaced the user's paths.dat"
[ -f "$user/NEWER.TXT" ] || fail "a newly shipped file did not reach the per-user folder"
echo "installed layout: passed"
