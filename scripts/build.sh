#!/bin/bash
# Configures and builds Kivalto in build/ (the ready folder is build/kivalto).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
