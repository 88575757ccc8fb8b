#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every kind of FITS file voka-batch writes passes fitsverify (the FITS
# standard's own checker, from HEASARC) with no error and no warning: a
# cropped star image, one whose field is wider than the grid, the camera
# image's cube, the star test's cube and a comparison's change, of star
# images and of camera images.
# Usage: fits_verify.sh VOKA-BATCH FITSVERIFY
set -euo pipefail
batch=$1
fitsverify=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$batch" --psf --design preset:4-vanes --size 64 --fits cropped.fits >/dev/null
"$batch" --psf --design preset:3-curved-vanes --size 48 --pad 3 --fov 1000 --fits whole.fits >/dev/null
"$batch" --camera --design preset:4-vanes --size 128 --field-px 16 --wavelengths 8 \
  --fits camera.fits >/dev/null
"$batch" --star-test 4 --design preset:clear --size 64 --fits star-test.fits >/dev/null
"$batch" --compare preset:4-vanes preset:3-vanes --size 64 --fits change.fits >/dev/null
"$batch" --compare preset:4-vanes preset:3-vanes --camera --size 128 --field-px 16 \
  --wavelengths 8 --fits camera-change.fits >/dev/null
status=0
for file in cropped.fits whole.fits camera.fits star-test.fits change.fits camera-change.fits; do
  report=$("$fitsverify" "$file")
  if ! grep -q "Verification found 0 warning(s) and 0 error(s)" <<<"$report"; then
    echo "$file:"; echo "$report"; status=1
  fi
done
exit $status
