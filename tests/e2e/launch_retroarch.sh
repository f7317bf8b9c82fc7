#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end with the real RetroArch and Debian's cores, headless (null
# video, audio and input drivers): probe ROMs for the SNES, the NES and the
# Game Boy copy a signature into battery RAM; started by Kivalto from a ROM
# path whose settings file selects a shipped RetroArch plugin, plain and
# zipped, and stopped with SIGTERM, RetroArch must leave the signature in a
# save file in its own save folder. Also: every switch of the shipped
# RetroArch plugins is one RetroArch accepts, a missing core starts nothing,
# and Kivalto survives a RetroArch that cannot start.
# Each run has a private XDG_CONFIG_HOME and HOME: the user's RetroArch
# settings are never read or changed.
# $1: the ready Kivalto folder (build/kivalto).
set -euo pipefail
ready=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=probe/probes.sh
. "$here/probe/probes.sh"
for tool in retroarch zip; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed"
        exit 0
    fi
done
core_of() { tr -d '\r' < "$ready/$1" | sed -n '5s/^-L //p'; }
for xpl in RASNES.XPL RANES.XPL RAGB.XPL RAPCE.XPL; do
    if [ ! -f "$(core_of $xpl)" ]; then
        echo "SKIPPED: the core $(core_of $xpl) of $xpl is not installed"
        exit 0
    fi
done

# shellcheck source=probe/testfolder.sh
. "$here/probe/testfolder.sh"
make_test_folder "$ready" kvr
unset DISPLAY WAYLAND_DISPLAY

# The RetroArch processes of this test: those with one of its private
# configuration folders.
ours() {
    local p
    for p in $(pgrep -x retroarch || true); do
        if tr '\0' '\n' < "/proc/$p/environ" 2>/dev/null | grep -q "^XDG_CONFIG_HOME=$T/"; then echo "$p"; fi
    done
}

# A private configuration folder for one run, with the null drivers.
# RetroArch completes the file with its defaults, among them its save
# folder inside this configuration folder.
run=0
new_config() {
    run=$((run + 1))
    home="$T/home$run"
    mkdir -p "$home/config/retroarch"
    printf '%s\n' 'video_driver = "null"' 'audio_driver = "null"' 'input_driver = "null"' \
        'gamemode_enable = "false"' > "$home/config/retroarch/retroarch.cfg"
}
in_home() { XDG_CONFIG_HOME="$home/config" HOME="$home" "$@"; }

declare -A sig=([SFC]=KIVALTO-SNES-SRAM-OK [NES]=KIVALTO-NES-SRAM-OK [GB]=KIVALTO-GB-SRAM-OK)
declare -A plugin=([SFC]=RASNES.XPL [NES]=RANES.XPL [GB]=RAGB.XPL [PCE]=RAPCE.XPL)
make_snes_probe "$ROMS/PROBE.SFC" "${sig[SFC]}"
make_nes_probe "$ROMS/PROBE.NES" "${sig[NES]}"
make_gb_probe "$ROMS/PROBE.GB" "${sig[GB]}"
# The SNES probe as a copier saved it, behind a 512-byte header.
{ head -c 512 /dev/zero; cat "$ROMS/PROBE.SFC"; } > "$ROMS/PROBEH.SMC"
head -c 8192 /dev/zero > "$T/BLANK.PCE"
for ext in SFC NES GB; do
    (cd "$ROMS" && cp "PROBE.$ext" "ZPROBE.$ext" && zip -q "PROBE$ext.ZIP" "ZPROBE.$ext" && rm "ZPROBE.$ext")
done

# Every switch of each shipped RetroArch plugin, one run per option and
# display mode, with its fixed and controller switches: RetroArch refuses an
# unknown switch with status 1.
switch_lines() {  # $1: plugin file; prints the option and display switches, one a line
    tr -d '\r' < "$1" | awk 'NR > 6 && !done { if ($0 == "ENDOPTS") { odd = 0; next } if ($0 == "ENDDISP") { done = 1; next }
                                               if (odd) print; odd = !odd }'
}
controller_switches() { tr -d '\r' < "$1" | awk 'NR > 8 && !start && $0 == "ENDDISP" { start = NR } start && NR > start + 60'; }
tried=0
for ext in SFC NES GB PCE; do
    xpl="$T/KIV/${plugin[$ext]}"
    rom="$ROMS/PROBE.$ext"
    [ "$ext" != PCE ] || rom="$T/BLANK.PCE"
    fixed=$(tr -d '\r' < "$xpl" | sed -n 5p)
    pads=$(controller_switches "$xpl" | sort -u | tr '\n' ' ')
    while IFS= read -r switch; do
        new_config
        # shellcheck disable=SC2086
        in_home retroarch $switch $pads $fixed --max-frames=30 "$rom" > "$T/run.log" 2>&1 ||
            fail "RetroArch refused [$switch $pads] of $(basename "$xpl")"
        tried=$((tried + 1))
    done < <(switch_lines "$xpl")
done
echo "ok: $tried runs, every switch of the RetroArch plugins is accepted"

# Through Kivalto: the settings file selects a shipped plugin with the
# options "Battery Saves On" and "Verbose Log" (so the log tells where the
# save goes) and the display mode "Full Screen".
crlf() { printf '%s\r\n' "$@"; }
gpf() {  # $1: plugin file in the Kivalto folder
    tr -d '\r' < "$T/KIV/$1" | awk -v plugin="$1" '
        BEGIN { printf "%s\r\n", plugin }
        NR > 6 && section < 2 {
            if ($0 == "ENDOPTS" || $0 == "ENDDISP") { section++; odd = 0; next }
            if (!odd) printf "%s\r\n", ($0 == "Battery Saves On" || $0 == "Verbose Log" || $0 == "Full Screen") ? "True" : "False"
            odd = !odd
        }'
    crlf " 1 " False False False "" "" "" False False
}
crlf "$DOS\\ROMS\\" "" "$DOS\\KIV\\" "$DOS\\UNZ\\" "" "" "" > "$T/KIV/paths.dat"
for ext in SFC NES GB; do
    gpf "${plugin[$ext]}" > "$ROMS/PROBE.GPF.$ext"
done

start_kivalto() {  # $1: ROM file
    (cd "$ROMS" && XDG_CONFIG_HOME="$home/config" HOME="$home" QT_QPA_PLATFORM=offscreen \
        exec "$T/KIV/kivalto" "$ROMS/$1") > "$T/kivalto.log" 2>&1 &
    kivalto_pid=$!
}
wait_for_ours() {
    local pid=
    for _ in $(seq 100); do
        pid=$(ours)
        [ -n "$pid" ] && break
        sleep 0.1
    done
    echo "$pid"
}

through_kivalto() {  # $1: ROM file; $2: the save file's base name; $3: system
    local rom=$1 save=$2 ext=$3 what="started by Kivalto, $1"
    new_config
    # The settings file: the ROM's name with "GPF" for its last three characters.
    cp "$ROMS/PROBE.GPF.$ext" "$ROMS/${rom%???}GPF"
    start_kivalto "$rom"
    local pid args
    pid=$(wait_for_ours)
    [ -n "$pid" ] || fail "RetroArch did not start ($what)"
    args=$(tr '\0' ' ' < "/proc/$pid/cmdline")
    [[ "$args" == *"-M load-save -v -f -L $(core_of "${plugin[$ext]}") "* ]] || fail "RetroArch was started with [$args] ($what)"
    for _ in $(seq 100); do
        grep -qs "Loading content file" "$T/KIV/emulator.log" && break
        sleep 0.1
    done
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "RetroArch ended by itself ($what)"
    local saves="$home/config/retroarch/saves"
    grep -qF "Redirecting save file to \"$saves/$save.srm\"" "$T/KIV/emulator.log" ||
        fail "the save does not go to RetroArch's own folder $saves ($what)"
    local content
    content=$(tr '\0' '\n' < "/proc/$pid/cmdline" | tail -n 1)
    stop_emulator "$pid" RetroArch "$what"
    grep -qs "${sig[$ext]}" "$saves/$save.srm" || fail "$saves/$save.srm lacks the signature ($what)"
    # An unpacked ROM's folder goes once RetroArch has ended, with nothing
    # left behind.
    if [ "$(dirname "$content")" != "$ROMS" ]; then
        for _ in $(seq 50); do
            [ -e "$(dirname "$content")" ] || break
            sleep 0.1
        done
        [ ! -e "$(dirname "$content")" ] || fail "the unpacked $content is left after RetroArch ended ($what)"
    fi
    kill "$kivalto_pid" 2>/dev/null || true
    wait "$kivalto_pid" 2>/dev/null || true
    kivalto_pid=
    rm "$ROMS/${rom%???}GPF"
    echo "ok: $what"
}
folder() { (cd "$ROMS" && find . -printf '%p %s\n' | sort && md5sum -- * | sort); }
before=$(folder)
for ext in SFC NES GB; do
    through_kivalto "PROBE.$ext" PROBE "$ext"
    through_kivalto "PROBE$ext.ZIP" ZPROBE "$ext"
done
through_kivalto PROBEH.SMC PROBEH SFC
[ "$(folder)" == "$before" ] || fail "the ROM folder changed"

# A plugin whose core is not installed: nothing starts, Kivalto carries on.
sed "5s|^-L .*/|-L $T/nowhere/|" "$T/KIV/RAGB.XPL" > "$T/KIV/RAGBNONE.XPL"
gpf RAGBNONE.XPL > "$ROMS/PROBEGPF"
new_config
rm -f "$T/KIV/emulator.log"
start_kivalto PROBE.GB
sleep 2
[ -z "$(ours)" ] || fail "RetroArch started without its core"
[ ! -e "$T/KIV/emulator.log" ] || fail "something was started without its core"
kill -0 "$kivalto_pid" 2>/dev/null || fail "Kivalto ended on a missing core"
kill "$kivalto_pid"; wait "$kivalto_pid" 2>/dev/null || true; kivalto_pid=
echo "ok: a missing core starts nothing"

# A RetroArch that cannot start (a damaged ROM the core refuses): it ends
# at once with its reason in the log (the plugin's verbose option), and
# Kivalto stays.
head -c 100 /dev/zero > "$ROMS/BROKEN.GB"
gpf RAGB.XPL > "$ROMS/BROKENGPF"
new_config
start_kivalto BROKEN.GB
for _ in $(seq 100); do
    grep -qs "Failed to load content" "$T/KIV/emulator.log" && break
    sleep 0.1
done
grep -qs "Failed to load content" "$T/KIV/emulator.log" || fail "RetroArch did not fail as expected"
sleep 4  # past the time in which an end counts as a failure to start
[ -z "$(ours)" ] || fail "RetroArch still runs a damaged ROM"
kill -0 "$kivalto_pid" 2>/dev/null || fail "Kivalto ended when RetroArch could not start"
echo "ok: Kivalto stays when RetroArch cannot start"
echo "RetroArch end to end: $tried switch runs, 7 saves, a missing core and a failed start passed"
