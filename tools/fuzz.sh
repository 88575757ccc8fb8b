#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz preset (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and fuzzes the bitmap reader and painter for
# SECONDS seconds on a copy of the seed corpus. Exits non-zero when the
# fuzzer finds a crash, a leak, undefined behaviour or a broken invariant;
# the input that caused it is kept in the findings folder it names.
set -eu

if [ $# -ne 1 ] || ! [ "$1" -gt 0 ] 2>/dev/null; then
  echo "usage: $0 SECONDS" >&2
  exit 2
fi
seconds=$1
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

cmake --preset fuzz
cmake --build --preset fuzz --target dib_fuzz --parallel "${VOKA_JOBS:-2}"

work=$(mktemp -d "${TMPDIR:-/tmp}/voka_dib_fuzz.XXXXXX")
mkdir -p "$work/corpus" "$work/findings"
cp tests/fuzz/corpus/* "$work/corpus/"
echo "fuzzing for $seconds s in $work"

status=0
build/fuzz/tests/fuzz/dib_fuzz "$work/corpus" \
  -dict=tests/fuzz/dib.dict -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$work/findings/" || status=$?

if [ "$status" -ne 0 ] || [ -n "$(ls -A "$work/findings")" ]; then
  echo "dib_fuzz found a fault; inputs kept in $work/findings" >&2
  exit 1
fi
rm -rf "$work"
echo "dib_fuzz: no findings in $seconds s"
