#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end with the real mednafen, headless: a probe ROM made here copies
# a signature into its battery-backed RAM; after a clean stop (SIGTERM)
# mednafen's save file must hold it, which proves the ROM really ran.
# First mednafen alone, then started by Kivalto from a ROM path whose
# settings file selects the shipped plugin, with Kivalto closed mid-game;
# plain and zipped each time.
# Also every switch of the shipped mednafen plugins must be one mednafen
# accepts.
# $1: the ready Kivalto folder (build/kivalto).
set -euo pipefail
ready=$1
mednafen=$(PATH="$PATH:/usr/local/games:/usr/games" command -v mednafen || true)
for tool in "$mednafen" zip; do
    if [ -z "$tool" ] || ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: ${tool:-mednafen} is not installed"
        exit 0
    fi
done

# shellcheck source=probe/testfolder.sh
. "$(dirname "$0")/probe/testfolder.sh"
make_test_folder "$ready" kvm
mkdir -p "$T/cfg"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

# The probe: a SNES image that copies the signature into battery RAM.
sig=KIVALTO-SRAM-PROBE-OK
# shellcheck source=probe/probes.sh
. "$(dirname "$0")/probe/probes.sh"
make_snes_probe "$ROMS/PROBE.SFC" "$sig"
(cd "$ROMS" && cp PROBE.SFC ZPROBE.SFC && zip -q PROBEZIP.ZIP ZPROBE.SFC && rm ZPROBE.SFC)

# The mednafen processes of this test: those running with one of its
# private MEDNAFEN_HOME folders.
ours() {
    local p
    for p in $(pgrep -x mednafen || true); do
        if tr '\0' '\n' < "/proc/$p/environ" 2>/dev/null | grep -q "^MEDNAFEN_HOME=$T/"; then echo "$p"; fi
    done
}

# Lets the running mednafen play for a moment, stops it with SIGTERM and
# checks the save file. $1: its MEDNAFEN_HOME; $2: its output; $3: what
# ran; $4: words its command line must hold, if any.
stop_and_check() {
    local home=$1 log=$2 what=$3 words=${4:-} pid=
    for _ in $(seq 100); do
        pid=$(ours)
        [ -n "$pid" ] && break
        sleep 0.1
    done
    [ -n "$pid" ] || fail "mednafen did not start ($what)"
    local args
    args=$(tr '\0' ' ' < "/proc/$pid/cmdline")
    [[ "$args" == *"$words"* ]] || fail "mednafen was started with [$args] ($what)"
    # The video output is set up once the game is loaded; then it runs.
    for _ in $(seq 100); do
        grep -qs "Destination Rectangle" "$log" && break
        sleep 0.1
    done
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "mednafen ended by itself ($what)"
    # Kivalto closed mid-game: the emulator plays on.
    if [ -n "$kivalto_pid" ]; then
        kill "$kivalto_pid" 2>/dev/null || true
        wait "$kivalto_pid" 2>/dev/null || true
        kivalto_pid=
        sleep 0.3
        kill -0 "$pid" 2>/dev/null || fail "mednafen ended with Kivalto ($what)"
    fi
    local rom
    rom=$(tr '\0' '\n' < "/proc/$pid/cmdline" | tail -n 1)
    stop_emulator "$pid" mednafen "$what"
    grep -lqs "$sig" "$home"/sav/* || fail "no save file holds the signature ($what)"
    # An unpacked ROM's folder goes once the emulator has ended.
    if [ "$(dirname "$rom")" != "$ROMS" ]; then
        for _ in $(seq 50); do
            [ -e "$rom" ] || break
            sleep 0.1
        done
        [ ! -e "$rom" ] || fail "the unpacked $rom is left after mednafen ended ($what)"
    fi
    echo "ok: $what"
}

run=0
direct() {  # $1: ROM file
    run=$((run + 1))
    local home="$T/home$run"
    mkdir -p "$home"
    MEDNAFEN_HOME="$home" "$mednafen" -sound 0 -force_module snes "$ROMS/$1" > "$T/run.log" 2>&1 &
    stop_and_check "$home" "$T/run.log" "mednafen alone, $1"
    wait 2>/dev/null || true
}
direct PROBE.SFC
direct PROBEZIP.ZIP

# Every switch of the shipped mednafen plugins, one run per plugin: mednafen
# stops at the first switch it does not know, before opening the ROM.
crlf() { printf '%s\r\n' "$@"; }
for xpl in "$T"/KIV/MED*.XPL; do
    switches=$(tr -d '\r' < "$xpl" | awk '
        NR == 5 { print }                                          # fixed switches
        NR > 6 && !done { if ($0 == "ENDOPTS" || $0 == "ENDDISP") { if ($0 == "ENDDISP") done = 1; odd = 0; next }
                          if (odd) print; odd = !odd; next }
        done { key++; if (key > 60) print }                       # the SWITCH row')
    home="$T/check"
    mkdir -p "$home"
    # shellcheck disable=SC2086 # plugin switches are words separated by blanks
    out=$(MEDNAFEN_HOME="$home" "$mednafen" -sound 0 $switches "$T/no such rom" 2>&1 || true)
    echo "$out" | grep -q "Error opening file" || fail "mednafen refused a switch of $(basename "$xpl"): $(echo "$out" | tail -n 2)"
done
echo "ok: every switch of the mednafen plugins is accepted"

# Through Kivalto: the settings file selects the shipped SNES plugin with
# its "Sound Off" option and "Window 2x" display mode.
gpf() {  # $1: plugin file in the Kivalto folder
    tr -d '\r' < "$T/KIV/$1" | awk -v plugin="$1" '
        BEGIN { printf "%s\r\n", plugin }
        NR > 6 && section < 2 {
            if ($0 == "ENDOPTS" || $0 == "ENDDISP") { section++; odd = 0; next }
            if (!odd) name = $0
            else if (substr(name, 1, 1) != "#" || section == 1)
                printf "%s\r\n", (name == "Sound Off" || name == "Window 2x") ? "True" : "False"
            odd = !odd
        }'
    crlf " 1 " False False False "" "" "" False False
}
crlf "$DOS\\ROMS\\" "" "$DOS\\KIV\\" "$DOS\\UNZ\\" "" "" "" > "$T/KIV/paths.dat"
gpf MEDSNES.XPL > "$ROMS/PROBE.GPF"
cp "$ROMS/PROBE.GPF" "$ROMS/PROBEZIP.GPF"

through_kivalto() {  # $1: ROM file
    run=$((run + 1))
    local home="$T/home$run"
    mkdir -p "$home"
    (cd "$ROMS" && MEDNAFEN_HOME="$home" XDG_CONFIG_HOME="$T/cfg" QT_QPA_PLATFORM=offscreen \
        exec "$T/KIV/kivalto" "$ROMS/$1") > "$T/kivalto.log" 2>&1 &
    kivalto_pid=$!
    stop_and_check "$home" "$T/KIV/emulator.log" "started by Kivalto, $1" \
        "-snes.input.port2 gamepad -snes.input.port1 gamepad -sound 0 -video.fs 0 -snes.stretch aspect -snes.xscale 2"
}
folder() { (cd "$ROMS" && find . -printf '%p %s %T@\n' | sort && md5sum -- * | sort); }
before=$(folder)
through_kivalto PROBE.SFC
through_kivalto PROBEZIP.ZIP
[ "$(folder)" == "$before" ] || fail "the ROM folder changed"
echo "mednafen end to end: 4 runs and the plugin switches passed"
