#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when an include points the wrong way:
#   platform/*        the lowest layer: includes only platform/ core files
#   platform/qt/*     Qt adapters: include only platform/
#   <subsystem>/*     toolkit-free core: no Qt, no window code, nothing from app/
#   app/*             core of the program as a whole: no Qt, no window code
#   library/*         the ROM Library's core: like a subsystem's, and may read app/ core
#   library/          included only by library/ itself, library/windows and app/windows
# Window code (<subsystem>/windows/*) may include anything.
cd "$(dirname "$0")/.." || exit 2
subsystems="roms plugins launch keys jukebox ui"
problems=0

report() { echo "$1: $2"; problems=$((problems + 1)); }

# check FILE ALLOWED_QUOTED_REGEX QT_ALLOWED
check() {
    local file=$1 allowed=$2 qt=$3 inc
    while read -r inc; do
        case $inc in
            \"*) [[ ${inc//\"/} =~ $allowed ]] || report "$file" "includes $inc" ;;
            \<Q*) [ "$qt" = yes ] || report "$file" "includes Qt ($inc)" ;;
        esac
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*\([<"][^>"]*[>"]\).*/\1/p' "$file")
}

for f in platform/*.h platform/*.cpp; do
    check "$f" '^platform/[^/]+$' no
done
for f in platform/qt/*.h platform/qt/*.cpp; do
    check "$f" '^platform/' yes
done
for sub in $subsystems; do
    for f in "$sub"/*.h "$sub"/*.cpp; do
        [ -e "$f" ] && check "$f" "^(platform|$(echo $subsystems | tr ' ' '|'))/[^/]+$" no
    done
done
for f in library/*.h library/*.cpp; do
    [ -e "$f" ] && check "$f" "^(app|library|platform|$(echo $subsystems | tr ' ' '|'))/[^/]+$" no
done
while read -r f; do
    case $f in library/*|app/windows/*) ;; *) report "$f" "includes the Library" ;; esac
done < <(grep -rlE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"library/' --include='*.h' --include='*.cpp' \
             app platform $subsystems 2>/dev/null)
for f in app/*.h app/*.cpp; do
    [ -e "$f" ] && check "$f" "^(app|platform|$(echo $subsystems | tr ' ' '|'))/[^/]+$" no
done

# Window headers included from another subsystem's windows: allowed, but
# each is a window reaching into another; listed so that the number stays
# in sight. app/windows builds the windows and is left out, and so are the
# program object (App.h), the shared routines (SnesStart.h), the pictures
# and the main window's own handler files (Snesmain_*.cpp).
crossings=0
for sub in $subsystems; do
    for f in "$sub"/windows/*.h "$sub"/windows/*.cpp; do
        [ -e "$f" ] || continue
        while read -r inc; do
            case $inc in
                "$sub"/windows/*) ;;
                app/windows/App.h | app/windows/SnesStart.h | app/windows/pictures.h) ;;
                app/windows/Snesmain.h) [[ $f == */Snesmain_*.cpp ]] || { echo "window header across subsystems: $f includes $inc"; crossings=$((crossings + 1)); } ;;
                */windows/*.h) echo "window header across subsystems: $f includes $inc"; crossings=$((crossings + 1)) ;;
            esac
        done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$f")
    done
done
echo "$crossings window header(s) included across subsystems"

if [ "$problems" -gt 0 ]; then
    echo "$problems include(s) point the wrong way"
    exit 1
fi
echo "layers: every include points one way"
