#!/bin/bash
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
