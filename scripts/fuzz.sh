#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (fuzz/*.cpp) with clang in build-fuzz/ and
# runs each for a few seconds (FUZZ_SECONDS, default 10).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-fuzz -G Ninja -DKIVALTO_FUZZ=ON -DKIVALTO_WERROR=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz -j "$(nproc)"
for src in fuzz/*.cpp; do
    name=$(basename "$src" .cpp)
    corpus=$(mktemp -d)
    echo "== $name"
    ./build-fuzz/fuzz/"$name" -max_total_time="${FUZZ_SECONDS:-10}" -max_len=4096 "$corpus"
    rm -rf "$corpus"
done
