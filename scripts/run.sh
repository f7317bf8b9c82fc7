#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts Kivalto on its demo folder.
set -euo pipefail
here=$(dirname "$0")
"$here/deps.sh"
"$here/build.sh"
exec "$here/../build/kivalto/kivalto" "$@"
