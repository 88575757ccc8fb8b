#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs every test: the optimised build, the Debian package made
# from it and checked, then the build with AddressSanitizer and
# UndefinedBehaviorSanitizer, then the build with ThreadSanitizer (the
# engines' workers and the windows' jobs), then a minute of fuzzing of each
# reader of untrusted files. Ends with one line counting the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
passed=0
failed=0
skipped=0

# The .deb made from the release build just tested, and its checks; they
# count with the tests.
package_stage() {
  echo "== the Debian package, from the release build"
  local log status=0
  log=$(mktemp)
  { tools/package.sh && tests/packaging/check_package.sh build/voka_*.deb build/release/batch/voka-batch build/release/app; } 2>&1 |
    tee "$log" || status=$?
  # "packaging: 11 passed, 0 failed"
  if [[ $(grep -E '^packaging: [0-9]+ passed, [0-9]+ failed' "$log" | tail -n 1) =~ ([0-9]+)\ passed,\ ([0-9]+) ]]; then
    passed=$((passed + BASH_REMATCH[1]))
    failed=$((failed + BASH_REMATCH[2]))
  fi
  rm -f "$log"
  if [[ $status -ne 0 ]]; then
    echo "ctest: $passed passed, $failed failed, $skipped skipped"
    exit "$status"
  fi
}

for preset in release asan tsan; do
  echo "== $preset build and tests"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  log=$(mktemp)
  status=0
  ctest --preset "$preset" -j "$jobs" 2>&1 | tee "$log" || status=$?
  # "100% tests passed, 0 tests failed out of 191"
  summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
  skips=$(grep -c '(Skipped)' "$log" || true)
  if [[ $summary =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
    failed=$((failed + BASH_REMATCH[1]))
    passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1] - skips))
  fi
  skipped=$((skipped + skips))
  rm -f "$log"
  if [[ $status -ne 0 ]]; then
    echo "ctest: $passed passed, $failed failed, $skipped skipped"
    exit "$status"
  fi
  if [[ $preset == release ]]; then package_stage; fi
done

if [[ -x tools/fuzz.sh ]]; then
  echo "== fuzzing the readers of bitmaps, designs, CSV tables and the command line"
  tools/fuzz.sh "${VOKA_FUZZ_SECONDS:-60}"
fi
echo "ctest: $passed passed, $failed failed, $skipped skipped"
