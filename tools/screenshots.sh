#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's pictures: each window in English and in Japanese, written as
# FOLDER/<window>-<en|ja>.png (FOLDER is docs/ unless given).
#
# The windows are drawn offscreen by tools/window_pictures.cpp with Qt's own
# raster painter (QWidget::grab), which is what paints them on an X server
# too: the same style and fonts, with no display, window manager or timed
# clicks needed. The windows it draws are listed there, one line each.
# VOKA_WINDOW_PICTURES names an already built tool (the tests set it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:-"$root/docs"}
tool=${VOKA_WINDOW_PICTURES:-}
if [[ -z "$tool" ]]; then
  (
    cd "$root"
    [[ -d build/release ]] || cmake --preset release >/dev/null
    cmake --build build/release -j2 --target window_pictures >/dev/null
  )
  tool="$root/build/release/tools/window_pictures"
fi
mkdir -p "$folder"
QT_QPA_PLATFORM=offscreen "$tool" "$folder"
echo "The pictures are in $folder."
