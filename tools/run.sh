#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the program. Without a display
# it runs the headless analysis on the built-in sample pupil instead and says
# where the table and the picture went.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
(
  cd "$root"
  tools/install-deps.sh
  cmake --preset release >/dev/null
  cmake --build --preset release -j "$(nproc 2>/dev/null || echo 2)" --target voka voka-batch sample_pupils
)

# The window writes VOKA.TXT into the folder it was started from: the caller's.
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  exec "$root/build/release/app/voka" "$@"
fi

out="$root/build/run"
mkdir -p "$out"
echo "No display found, so the window cannot open; running the headless analysis instead."
(cd "$out" && "$root/build/release/batch/voka-batch" --fft --png fft.png)
echo "The table is in $out/VOKA.TXT and the picture in $out/fft.png."
echo "With a display, this command opens the window; '$root/build/release/batch/voka-batch --help' tells more."
