#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The memory of the Kivalto program with the ROM Library open on many rows:
# a copy of the ready folder gets a library of unchanged files
# (library_bench --library-for), Kivalto runs under Xvfb, Ctrl+L opens the
# Library, and the process's RSS is read once its indexing has had time.
# Usage: library_rss.sh <ready folder> <library_bench> [rows (100000)]
set -euo pipefail
ready=$1 bench=$2 rows=${3:-100000}
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d -p "${TMPDIR:-/var/tmp}")
trap 'kill $kivalto $xvfb 2>/dev/null; rm -rf "$work"' EXIT
cp -r "$ready" "$work/kivalto"
"$bench" --library-for "$work/kivalto" "$rows"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$work/display") HOME=$work XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb
"$work/kivalto/kivalto" >/dev/null 2>&1 &
kivalto=$!
rss() { awk -v f="$1" '$1 == f":" { printf "%.1f MiB", $2 / 1024 }' "/proc/$kivalto/status"; }
main=$(xdotool search --sync --name '^Kivalto v' | head -1)
sleep 2
echo "main window alone:        $(rss VmRSS)"
xdotool windowfocus --sync "$main" key ctrl+l
xdotool search --sync --name '^ROM Library$' >/dev/null
sleep "${SETTLE:-8}"
echo "ROM Library open, $rows rows: $(rss VmRSS) (peak $(rss VmHWM); goal <= 150 MiB)"
rows_shown=$(sqlite3 "$work/kivalto/library.db" "SELECT count(*) FROM files WHERE system != ''" 2>/dev/null || echo "?")
echo "rows in library.db afterwards: $rows_shown"
