#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Does a long sweep hold its memory flat? Runs the same sweep of a four-vane
# design with a defocus for 20 and for STEPS steps (200 unless given) under
# /usr/bin/time -v and compares their peak resident memory: the longer run
# may use at most 10% more, or something grows with every step.
# Usage: tools/soak.sh [STEPS]   (builds build/release's voka-batch first)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
steps=${1:-200}
(cd "$root" && cmake --build build/release -j2 --target voka-batch >/dev/null)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/four.json" <<'JSON'
{"voka_pupil": 1, "aperture_mm": 200, "obstruction": {"diameter_mm": 60},
 "vanes": [{"shape": "straight", "angle_deg": 0, "width_mm": 2},
           {"shape": "straight", "angle_deg": 90, "width_mm": 2},
           {"shape": "straight", "angle_deg": 180, "width_mm": 2},
           {"shape": "straight", "angle_deg": 270, "width_mm": 2}]}
JSON
peak_kib() {
  /usr/bin/time -v "$root/build/release/batch/voka-batch" --sweep "vanes[0].angle_deg=-2:2:$1" \
    --design "$work/four.json" --defocus-mm 0.05 --csv "$work/s$1.csv" 2>&1 >/dev/null |
    sed -n 's/.*Maximum resident set size (kbytes): //p'
}
short=$(peak_kib 20)
long=$(peak_kib "$steps")
echo "peak memory: 20 steps $short KiB, $steps steps $long KiB"
awk -v s="$short" -v l="$long" 'BEGIN { printf "ratio %.3f (at most 1.10)\n", l / s; exit !(l <= 1.1 * s) }'
