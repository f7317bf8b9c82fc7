#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package build/kivalto_<version>_<arch>.deb: an ordinary
# Release build in build-release/ with Debian's build flags (warnings are not
# errors here), packed by CPack, then checked (file list, control fields,
# desktop files, lintian).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}"
cmake --build build-release -j "$(nproc)"
rm -rf build-release/package
(cd build-release && cpack -G DEB >/dev/null)
mkdir -p build
deb=$(ls build-release/package/kivalto_*.deb)
cp "$deb" build/
tests/package/check_deb.sh "build/$(basename "$deb")" build-release/kivalto
