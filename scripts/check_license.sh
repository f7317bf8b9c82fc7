#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file, script or CMake file lacks its license line near
# the top. Shipped data files (plugins, lookup.dat, profiles, tips, launch
# templates) keep the formats the program reads and carry none.
cd "$(dirname "$0")/.." || exit 2
missing=0
while read -r f; do
    head -n 3 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' && continue
    echo "$f: no SPDX-License-Identifier line"
    missing=$((missing + 1))
done < <(git ls-files -- '*.cpp' '*.h' '*.sh' '*.py' '*.cmake' 'CMakeLists.txt' '*/CMakeLists.txt' '.ci/run' 2>/dev/null ||
         find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' -o -name '*.cmake' -o -name CMakeLists.txt \) -print)
if [ "$missing" -gt 0 ]; then
    echo "$missing file(s) without a license line"
    exit 1
fi
echo "license: every source, script and CMake file names its license"
