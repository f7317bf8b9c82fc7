# SPDX-License-Identifier: GPL-3.0-or-later
# The private folder of an end-to-end run with a real emulator, sourced by
# its script: T (host), DOS (the same as a DOS path), ROMS, and KIV, a copy
# of the ready Kivalto folder. On exit Kivalto and the emulator processes
# the script's `ours` lists are stopped and the folder removed (KEEP=1
# keeps it for a look). `fail` prints the run's logs and ends the test.
# $1: the ready Kivalto folder; $2: the mktemp prefix.
make_test_folder() {
    T=$(mktemp -d "/tmp/${2}XXXXXX")
    kivalto_pid=
    trap cleanup_test_folder EXIT
    DOS="C:${T//\//\\}"
    ROMS="$T/ROMS"
    mkdir -p "$T/KIV" "$ROMS"
    cp -r "$1"/. "$T/KIV/"
}

cleanup_test_folder() {
    if [ -n "$kivalto_pid" ]; then kill "$kivalto_pid" 2>/dev/null || true; fi
    for p in $(ours); do kill "$p" 2>/dev/null || true; done
    sleep 0.3
    [ -n "${KEEP:-}" ] || rm -rf "$T"
}

fail() {
    echo "FAIL: $*"
    for f in "$T/run.log" "$T/KIV/emulator.log" "$T/kivalto.log"; do
        if [ -f "$f" ]; then echo "--- $f"; tail -n 30 "$f"; fi
    done
    exit 1
}

# Stops emulator process $1 as a desktop does at log-out (SIGTERM) and
# waits up to 10 s for it to end; `fail`s with "$2 did not stop ($3)".
stop_emulator() {
    kill -TERM "$1"
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    fail "$2 did not stop on SIGTERM ($3)"
}
