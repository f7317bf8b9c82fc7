#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a copy of the ready Kivalto folder under Xvfb with AT-SPI and walks
# its windows (walk.py). Arguments after the folder go to walk.py.
# Usage: run.sh <ready folder> [--noplugins] [walk.py arguments]
set -uo pipefail
ready=$1; shift
here=$(cd "$(dirname "$0")" && pwd)
# The system's Python has the AT-SPI bindings (python3-pyatspi).
py=/usr/bin/python3
for tool in Xvfb dbus-run-session $py; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
$py -c "import pyatspi" 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
cp -r "$ready" "$work/kivalto"
if [ "${1:-}" = "--noplugins" ]; then rm -f "$work"/kivalto/*.XPL; shift; fi
# Xvfb picks a free display and tells its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
display=:$(head -1 "$work/display")
export DISPLAY=$display HOME=$work XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
dbus-run-session -- bash -c '
    "$0/kivalto/kivalto" >/dev/null 2>&1 &
    k=$!
    /usr/bin/python3 "$1/${WALK:-walk.py}" "${@:2}"
    rc=$?
    # SHOT=file.png [SHOTWIN=caption]: a picture of the screen or one window.
    if [ -n "${SHOT:-}" ]; then
        sleep 1
        if [ -n "${SHOTWIN:-}" ]; then xwd -name "$SHOTWIN" -silent; else xwd -root -silent; fi | convert xwd:- "$SHOT"
    fi
    kill $k 2>/dev/null
    exit $rc' "$work" "$here" "$@"
