#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end, native road: the real program started with a ROM's path and
# its saved settings runs a stand-in emulator (a shell script) that records
# its working folder and every argument, NUL-separated.
# $1: the ready Kivalto folder (build/kivalto).
set -euo pipefail
ready=$1
for tool in zip md5sum; do
    if ! command -v $tool >/dev/null; then
        echo "SKIPPED: $tool is not installed"
        exit 0
    fi
done

T=$(mktemp -d /tmp/kvnXXXXXX)
kivalto_pid=
cleanup() {
    [ -n "$kivalto_pid" ] && kill "$kivalto_pid" 2>/dev/null
    touch "$T/EMU/release" 2>/dev/null || true
    sleep 0.3
    rm -rf "$T"
}
trap cleanup EXIT
DOS="C:${T//\//\\}"
ROMS="$T/my roms"
mkdir -p "$T/KIV" "$T/EMU" "$ROMS" "$T/cfg/Kivalto"
# Shorten Long Filenames on: a native emulator still gets the whole name.
printf '[Options]\nMenuShorten=1\n' > "$T/cfg/Kivalto/kivalto.ini"
cp -r "$ready"/. "$T/KIV/"

cat > "$T/EMU/standin" <<'EOF'
#!/bin/sh
dir=$(dirname "$0")
echo "stand-in $$ started"
{ pwd -P | tr -d '\n'; printf '\0'; for a in "$@"; do printf '%s\0' "$a"; done; } > "$dir/args.tmp"
mv "$dir/args.tmp" "$dir/args.bin"
echo $$ > "$dir/pid"
if [ -e "$dir/hold" ]; then
    while [ ! -e "$dir/release" ]; do sleep 0.1; done
fi
EOF
chmod +x "$T/EMU/standin"

crlf() { printf '%s\r\n' "$@"; }
{
    crlf "Stand-in 1.0" "*.SMC;*.SFC;*.ZIP;*.GZ" "-frameskip n" "$DOS\\EMU\\" "-force_module snes -sound 0" "standin" \
         "Sound" "-sound 1" "#Codes" "-cheat" "Video" '-video "gl 2"' "Nothing" "" "ENDOPTS" \
         "Window" "-fs 0 -scale 2" "Full" "-fs 1" "ENDDISP"
    for i in $(seq 0 64); do
        case $i in 60) crlf "-p1 keys" ;; 61) crlf '-p2 "pad two"' ;; *) crlf " " ;; esac
    done
} > "$T/KIV/NATIVE.XPL"
crlf "$DOS\\ROMS\\" "" "$DOS\\KIV\\" "$DOS\\UNZ\\" "$DOS\\VESA.EXE" "" "" > "$T/KIV/paths.dat"

rom="Link's \$(touch PWNED) ; 100% x.SMC"
head -c 70000 /dev/zero > "$ROMS/$rom"
# Every toggle on, SnesKey, VESA and Run in DOS included: they mean nothing here.
crlf "NATIVE.XPL" "True" "True" "True" "True" "False" " 1 " "True" "True" "True" "3" "7E0DBE:63" "-cheat" \
     "True" "False" > "$ROMS/${rom%???}GPF"
mkdir -p "$T/zip/inner"
head -c 4096 /dev/urandom > "$T/zip/inner/Zelda (E).sfc"
echo "read me" > "$T/zip/inner/README.TXT"
(cd "$T/zip" && zip -q -r "$ROMS/ZELDA.ZIP" inner/README.TXT "inner/Zelda (E).sfc")
crlf "NATIVE.XPL" "False" "False" "False" "False" "False" " 2 " "False" "False" "False" "" "" "" \
     "False" "False" > "$ROMS/ZELDA.GPF"

fail() {
    echo "FAIL: $*"
    [ -f "$T/kivalto.log" ] && cat "$T/kivalto.log"
    exit 1
}

launch() {  # $1: ROM file name; waits until the stand-in has written its arguments
    rm -f "$T/EMU/args.bin" "$T/EMU/pid"
    (cd "$ROMS" && XDG_CONFIG_HOME="$T/cfg" QT_QPA_PLATFORM=offscreen exec "$T/KIV/kivalto" "$ROMS/$1") \
        >"$T/kivalto.log" 2>&1 &
    kivalto_pid=$!
    for _ in $(seq 100); do
        [ -s "$T/EMU/pid" ] && return
        sleep 0.1
    done
    fail "the stand-in emulator did not run for $1"
}

close_kivalto() {
    kill "$kivalto_pid" 2>/dev/null || true
    wait "$kivalto_pid" 2>/dev/null || true
    kivalto_pid=
}

args() { tr '\0' '\n' < "$T/EMU/args.bin"; }

snapshot() { (cd "$ROMS" && find . -printf '%p %s %T@ %m\n' | sort && md5sum -- * | sort); }
before=$(snapshot)

launch "$rom"
close_kivalto
expected=$(printf '%s\n' "$T/EMU" -frameskip 3 -cheat 7E0DBE:63 -p2 "pad two" -p1 keys -sound 1 -video "gl 2" \
    -fs 0 -scale 2 -force_module snes -sound 0 "$ROMS/$rom")
[ "$(args)" == "$expected" ] || fail "the stand-in received
$(args)
expected
$expected"
[ "$(tr -cd '\0' < "$T/EMU/args.bin" | wc -c)" -eq 22 ] || fail "not 22 words"
if [ -e /PWNED ] || find "$T" -name PWNED | grep -q .; then
    fail "a part of the ROM name was executed"
fi
grep -q "stand-in .* started" "$T/KIV/emulator.log" || fail "the emulator's output is not in emulator.log"
[ ! -e "$T/KIV/snesexec.bat" ] || fail "a batch file was written for a native emulator"

# A zipped ROM: unpacked into a private folder under its own name; the
# emulator outlives Kivalto, and the folder goes when the emulator ends.
touch "$T/EMU/hold"
launch ZELDA.ZIP
unpacked=$(args | tail -n 1)
folder=$(dirname "$unpacked")
[ "$(basename "$unpacked")" == "Zelda (E).sfc" ] || fail "the ROM was passed as $unpacked"
cmp -s "$unpacked" "$T/zip/inner/Zelda (E).sfc" || fail "the unpacked ROM differs"
[ "$(stat -c %a "$folder")" == 700 ] || fail "the unpack folder is not private"
case "$folder" in "$ROMS"*) fail "unpacked inside the ROM folder" ;; esac
close_kivalto
emulator=$(cat "$T/EMU/pid")
sleep 0.3
kill -0 "$emulator" 2>/dev/null || fail "the emulator ended with Kivalto"
[ -d "$folder" ] || fail "the unpack folder went before the emulator ended"
touch "$T/EMU/release"
for _ in $(seq 50); do
    [ -d "$folder" ] || break
    sleep 0.1
done
[ ! -d "$folder" ] || fail "the unpack folder $folder is left after the emulator ended"
[ "$(snapshot)" == "$before" ] || fail "the ROM folder changed"
echo "native launch end to end: 2 passed, 0 failed"
