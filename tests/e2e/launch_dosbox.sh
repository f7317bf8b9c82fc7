#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end, without stand-ins on Kivalto's side: start the real program
# with a ROM's path and its saved settings; DOSBox runs snesexec.bat, whose
# emulator (a tiny DOS program) writes the command tail it received.
# $1: the ready Kivalto folder (build/kivalto).
set -euo pipefail
ready=$1
here=$(cd "$(dirname "$0")" && pwd)
for tool in dosbox nasm; do
    if ! command -v $tool >/dev/null; then
        echo "SKIPPED: $tool is not installed"
        exit 0
    fi
done

# DOS sees 8.3 names only, so the whole tree uses short names.
T=$(mktemp -d /tmp/kvXXXXXX)
trap 'pkill -f "$T/KIV/kivalto" 2>/dev/null || true; rm -rf "$T"' EXIT
DOS="C:${T//\//\\}"
mkdir -p "$T/KIV" "$T/EMU" "$T/UNZ" "$T/ROMS" "$T/cfg"
cp -r "$ready"/. "$T/KIV/"
nasm -f bin -o "$T/EMU/FAKEEMU.COM" "$here/dos/echoargs.asm"
nasm -f bin -o "$T/UNZ/PKUNZIP.COM" "$here/dos/pkunzip.asm"
head -c 70000 /dev/zero > "$T/ROMS/MARIO.SMC"
head -c 70000 /dev/zero > "$T/ROMS/GAME.ZIP"

crlf() { printf '%s\r\n' "$@"; }
{
    crlf "Test Emulator" "*.SMC;*.ZIP" "-f n" "$DOS\\EMU\\" "" "FAKEEMU.COM" "Sound" "-s" "ENDOPTS" "ENDDISP"
    for _ in $(seq 65); do crlf " "; done
} > "$T/KIV/TEST.XPL"
crlf "$DOS\\ROMS\\" "" "$DOS\\KIV\\" "$DOS\\UNZ\\" "" "" "" > "$T/KIV/paths.dat"
for rom in MARIO GAME; do
    crlf "TEST.XPL" "True" " 1 " "False" "False" "False" "2" "" "" "False" "False" > "$T/ROMS/$rom.GPF"
done

launch() {  # $1: ROM file name; waits for the emulator's ARGS.TXT
    rm -f "$T/EMU/ARGS.TXT"
    XDG_CONFIG_HOME="$T/cfg" QT_QPA_PLATFORM=offscreen SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
        "$T/KIV/kivalto" "$T/ROMS/$1" >"$T/kivalto.log" 2>&1 &
    local pid=$!
    for _ in $(seq 100); do
        [ -s "$T/EMU/ARGS.TXT" ] && break
        sleep 0.2
    done
    sleep 0.5
    kill $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
    if [ ! -s "$T/EMU/ARGS.TXT" ]; then
        echo "FAIL: the emulator did not run for $1"
        cat "$T/kivalto.log"
        [ -f "$T/KIV/snesexec.bat" ] && cat "$T/KIV/snesexec.bat"
        exit 1
    fi
}

expect_args() {  # $1: expected command tail
    local got
    got=$(cat "$T/EMU/ARGS.TXT")
    if [ "$got" != "$1" ]; then
        echo "FAIL: the emulator received [$got], expected [$1]"
        cat "$T/KIV/snesexec.bat"
        exit 1
    fi
}

launch MARIO.SMC
expect_args " -f 2 -s $DOS\\ROMS\\MARIO.SMC"

launch GAME.ZIP
expect_args " -f 2 -s $DOS\\UNZ\\GAME.1"
# The unpacked ROM was there for the emulator and is deleted afterwards.
for _ in $(seq 20); do ls "$T/UNZ" | grep -qi '^game' || break; sleep 0.2; done
if ls "$T/UNZ" | grep -qi '^game'; then
    echo "FAIL: the unpacked ROM was not deleted"; ls "$T/UNZ"; exit 1
fi
echo "launch end to end: 2 passed, 0 failed"
