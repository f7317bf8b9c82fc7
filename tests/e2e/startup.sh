#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start the real program in a copy of the ready folder and check what the
# start wrote: the .pif working copies equal their .pit templates, also
# after they were changed, and the settings store stays private to the test.
# $1: the ready Kivalto folder (build/kivalto).
set -euo pipefail
ready=$1
T=$(mktemp -d /tmp/kvXXXXXX)
pid=
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    rm -rf "$T"
}
trap cleanup EXIT
mkdir -p "$T/KIV" "$T/cfg"
cp -r "$ready"/. "$T/KIV/"
export XDG_CONFIG_HOME="$T/cfg" QT_QPA_PLATFORM=offscreen

# Runs Kivalto until it has started up (the .pif copies are written before
# the windows load), gives it two seconds more, then ends it.
run_once() {
    rm -f "$T/KIV/sneswin.pif" "$T/KIV/snesdos.pif"
    "$T/KIV/kivalto" >"$T/kivalto.log" 2>&1 &
    pid=$!
    for _ in $(seq 50); do
        [ -f "$T/KIV/sneswin.pif" ] && [ -f "$T/KIV/snesdos.pif" ] && break
        sleep 0.2
    done
    sleep 2
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "FAIL: kivalto ended during start-up"; cat "$T/kivalto.log"; exit 1
    fi
    kill "$pid"; wait "$pid" 2>/dev/null || true
    pid=
}

check_copies() {
    for name in sneswin snesdos; do
        if ! cmp -s "$T/KIV/$name.pit" "$T/KIV/$name.pif"; then
            echo "FAIL: $name.pif differs from $name.pit ($1)"; cat "$T/kivalto.log"; exit 1
        fi
    done
}

run_once
check_copies "first start"
printf 'mode=window\r\n' > "$T/KIV/snesdos.pif"
run_once
check_copies "after a change"
echo "start-up end to end: passed"
