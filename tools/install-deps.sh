#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, from Debian's packages, whatever the build, the tests and the
# benchmarks need and this machine lacks. Safe to run again: it installs only
# what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config        # the build
  qt6-base-dev qt6-base-dev-tools libgl-dev  # Qt 6 Widgets and Gui, uic, moc
  fonts-ipafont-gothic                    # a Japanese face for the captions
  qt6-l10n-tools                          # lupdate and lrelease: the English texts
  qt6-charts-dev libqt6opengl6-dev        # the star image's plots (Charts needs the OpenGL module's CMake files)
  libfftw3-dev libopenblas-dev libcfitsio-dev  # star-image transforms, matrix products, FITS
  fitsverify                              # the FITS files checked against the standard
  libgtest-dev libbenchmark-dev           # tests and benchmarks
  clang libclang-rt-14-dev                # the fuzzer and its runtime
  help2man dpkg-dev fakeroot file         # the manual page and the Debian package
  librsvg2-bin                            # the menu icon's sizes, drawn from its SVG
  lintian desktop-file-utils appstream    # checks of the package, menu entry and metainfo
  time                                    # tools/soak.sh: a long sweep's peak memory
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "Run as root or install sudo to add: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
# sudo resets the environment, so the setting goes on each command line.
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  "${missing[@]}"
