#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz preset (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each fuzzer named (all of them when
# none is) for SECONDS seconds on a copy of its seed corpus:
#   dib_fuzz           the bitmap reader and painter
#   design_fuzz        the design reader, versions 1 and 2
#   light_tables_fuzz  the spectrum and response CSV readers
#   command_line_fuzz  the headless program's parser, fed argument vectors
# Exits non-zero when a fuzzer finds a crash, a leak, undefined behaviour or
# a broken invariant; the input that caused it is kept in the findings
# folder it names. Ends with one line per fuzzer counting its executions.
set -eu

all="dib_fuzz design_fuzz light_tables_fuzz command_line_fuzz"
if [ $# -lt 1 ] || ! [ "$1" -gt 0 ] 2>/dev/null; then
  echo "usage: $0 SECONDS [FUZZER...]  (fuzzers: $all)" >&2
  exit 2
fi
seconds=$1
shift
fuzzers=${*:-$all}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

# The seed corpus, the dictionary and the longest input of each fuzzer.
corpus_of() {
  case $1 in
    dib_fuzz) echo tests/fuzz/corpus ;;
    design_fuzz) echo tests/fuzz/design_corpus ;;
    light_tables_fuzz) echo tests/fuzz/light_tables_corpus ;;
    command_line_fuzz) echo tests/fuzz/command_line_corpus ;;
    *) echo "$0: no fuzzer $1 (fuzzers: $all)" >&2; exit 2 ;;
  esac
}
dictionary_of() {
  case $1 in
    dib_fuzz) echo tests/fuzz/dib.dict ;;
    design_fuzz) echo tests/fuzz/design.dict ;;
    light_tables_fuzz) echo tests/fuzz/light_tables.dict ;;
    command_line_fuzz) echo tests/fuzz/command_line.dict ;;
  esac
}
for fuzzer in $fuzzers; do corpus_of "$fuzzer" >/dev/null; done

cmake --preset fuzz
# shellcheck disable=SC2086
cmake --build --preset fuzz --target $fuzzers --parallel "${VOKA_JOBS:-2}"

summary=""
for fuzzer in $fuzzers; do
  work=$(mktemp -d "${TMPDIR:-/tmp}/voka_$fuzzer.XXXXXX")
  mkdir -p "$work/corpus" "$work/findings"
  cp "$(corpus_of "$fuzzer")"/* "$work/corpus/"
  echo "== $fuzzer: fuzzing for $seconds s in $work"
  # The fuzzer's status goes through a file: sh has no pipefail.
  {
    status=0
    "build/fuzz/tests/fuzz/$fuzzer" "$work/corpus" \
      -dict="$(dictionary_of "$fuzzer")" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/findings/" || status=$?
    echo "$status" >"$work/status"
  } 2>&1 | tee "$work/log"
  status=$(cat "$work/status")
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
  if [ "$status" -ne 0 ] || [ -n "$(ls -A "$work/findings")" ] || [ -z "$runs" ]; then
    echo "$fuzzer found a fault; inputs kept in $work/findings" >&2
    exit 1
  fi
  rm -rf "$work"
  summary="$summary$fuzzer: no findings in $seconds s, $runs executions
"
done
printf '%s' "$summary"
