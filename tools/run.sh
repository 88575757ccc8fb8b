#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Without a display
# it runs the headless analysis on the built-in sample pupil instead and says
# where the table and the picture went.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc 2>/dev/null || echo 2)" --target voka voka-batch sample_pupils

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  exec build/release/app/voka "$@"
fi

root=$PWD
out="$root/build/run"
mkdir -p "$out"
echo "No display found, so the window cannot open; running the headless analysis instead."
(cd "$out" && "$root/build/release/app/voka-batch" --fft --png fft.png)
echo "The table is in $out/VOKA.TXT and the picture in $out/fft.png."
echo "With a display, this command opens the window; '$root/build/release/app/voka-batch --help' tells more."
