#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds Kivalto in build/ (the ready folder is build/kivalto).
# Warnings are errors here. ccache, when installed, keeps rebuilds of other checkouts short.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIVALTO_WERROR=ON "${launcher[@]}"
cmake --build build -j "$(nproc)"
