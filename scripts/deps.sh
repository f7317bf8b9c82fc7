#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Kivalto needs to build, run and test,
# when any of them is missing. Uses sudo unless run as root.
set -euo pipefail
packages=(build-essential cmake ninja-build qt6-base-dev qt6-image-formats-plugins
          libgtest-dev googletest dosbox nasm zip fp-utils xchm
          clang libclang-rt-14-dev xvfb procps dbus at-spi2-core python3-pyatspi
          libarchive-dev mednafen retroarch libretro-bsnes-mercury-balanced libretro-nestopia
          libretro-gambatte libretro-beetle-pce-fast
          libsqlite3-dev libexpat1-dev zlib1g-dev libssl-dev
          dpkg-dev lintian desktop-file-utils appstream libxml2-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
