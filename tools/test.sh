#!/usr/bin/env bash
# Builds and runs every test: the optimised build, then the build with
# AddressSanitizer and UndefinedBehaviorSanitizer, then a minute of fuzzing
# of the bitmap reader and painter.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
for preset in release asan; do
  echo "== $preset build and tests"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done

if [[ -x tools/fuzz.sh ]]; then
  echo "== fuzzing the bitmap reader and painter"
  tools/fuzz.sh "${VOKA_FUZZ_SECONDS:-60}"
fi
