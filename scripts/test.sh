#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test.
set -euo pipefail
here=$(dirname "$0")
"$here/deps.sh"
"$here/build.sh"
cd "$here/../build"
ctest --output-on-failure -j "$(nproc)"
