#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package build/voka_<version>_<arch>.deb from the release
# build (configured and brought up to date here, so it reuses what
# tools/test.sh or tools/run.sh built). Its dependencies come from the
# programs' shared libraries through dpkg-shlibdeps.
#   tools/package.sh && sudo apt-get install ./build/voka_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc 2>/dev/null || echo 2)"

# CPack works in a folder of its own; only the package comes out of it, so
# that build/voka_*.deb names exactly one file.
staging=build/package
rm -rf "$staging"
rm -f build/voka_*.deb
cpack --config build/release/CPackConfig.cmake -B "$staging" >/dev/null
debs=("$staging"/voka_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { echo "cpack made no single voka_*.deb in $staging" >&2; exit 1; }
mv "${debs[0]}" build/
rm -rf "$staging"
echo "build/$(basename "${debs[0]}")"
