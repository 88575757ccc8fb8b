#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the one-line faults of tools/mutants.list into the product one at a
# time, rebuilds the tests that should notice, runs them and says whether
# they did. For developers, to see that the tests still guard what a move or
# a rewrite most easily breaks; not part of CI.
#
# Each line of the list is FILE<TAB>ORIGINAL<TAB>FAULT[<TAB>TARGETS]: the
# fragment ORIGINAL must occur exactly once in FILE and is replaced by FAULT.
# TARGETS are the test programs to build and run (default: the tests of the
# file's top folder, e.g. psf_tests for psf/...). Lines starting with # and
# empty lines are skipped.
#
# It refuses a tree with uncommitted changes, restores each file with git as
# soon as its fault has been tried, and also when interrupted.
# The build folder is $VOKA_BUILD_DIR (default build/release), configured
# beforehand; rebuilding a restored file is a ccache hit.
set -u

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root" || exit 2
list=${1:-tools/mutants.list}
build=${VOKA_BUILD_DIR:-build/release}

if [ -n "$(git status --porcelain)" ]; then
  echo "mutants: the tree has uncommitted changes; commit or stash them first." >&2
  exit 2
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  echo "mutants: $build is not configured (cmake --preset release)." >&2
  exit 2
fi

current=""
restore() {
  if [ -n "$current" ]; then
    git checkout -- "$current"
    current=""
  fi
}
trap 'restore' EXIT
trap 'restore; exit 130' INT
trap 'restore; exit 143' TERM HUP

log=$(mktemp "${TMPDIR:-/tmp}/voka_mutants.XXXXXX")
tab=$(printf '\t')
caught=0
survived=0
errors=0
number=0
# The list is read on its own descriptor, so that nothing run below can
# swallow its lines from standard input.
while IFS="$tab" read -r file original fault targets <&3 || [ -n "$file" ]; do
  case "$file" in '' | '#'*) continue ;; esac
  number=$((number + 1))
  label="$number $file: $original -> $fault"
  if [ -z "$original" ] || [ -z "$fault" ]; then
    echo "ERROR    $label (not FILE<TAB>ORIGINAL<TAB>FAULT)"
    errors=$((errors + 1))
    continue
  fi
  if [ ! -f "$file" ]; then
    echo "ERROR    $label (no such file)"
    errors=$((errors + 1))
    continue
  fi
  # Replace the one occurrence of the fragment, literally (awk's index, not
  # a pattern); refuse a fragment found on no line or on several.
  current=$file
  if ! ORIGINAL=$original FAULT=$fault awk '
    BEGIN { o = ENVIRON["ORIGINAL"]; f = ENVIRON["FAULT"]; hits = 0 }
    {
      at = index($0, o)
      if (at > 0) {
        hits++
        if (index(substr($0, at + length(o)), o) > 0) hits++
        $0 = substr($0, 1, at - 1) f substr($0, at + length(o))
      }
      print
    }
    END { exit hits == 1 ? 0 : 1 }' "$file" >"$log" || ! cp "$log" "$file"; then
    restore
    echo "ERROR    $label (the original is not found exactly once)"
    errors=$((errors + 1))
    continue
  fi
  [ -n "${targets:-}" ] || targets="${file%%/*}_tests"
  # shellcheck disable=SC2086 # targets are a list of names
  if ! cmake --build "$build" --target $targets -j2 >"$log" 2>&1; then
    restore
    echo "ERROR    $label (does not build; see the entry)"
    errors=$((errors + 1))
    continue
  fi
  result=survived
  by=""
  for target in $targets; do
    program=$(find "$build/tests" -maxdepth 2 -type f -name "$target" | head -n 1)
    if [ -z "$program" ]; then
      result=error
      break
    fi
    if ! QT_QPA_PLATFORM=offscreen timeout 900 "$program" --gtest_brief=1 >"$log" 2>&1; then
      result=caught
      # The tests that failed, or the program's end when it crashed first.
      by=$(sed -n 's/^\[  FAILED  \] \([^ ]*\) (.*/\1/p' "$log" | sort -u | tr '\n' ' ')
      [ -n "$by" ] || by="$target ended early"
      break
    fi
  done
  restore
  case $result in
    caught)
      echo "caught   $label"
      echo "           by ${by% }"
      caught=$((caught + 1))
      ;;
    survived) echo "SURVIVED $label"; survived=$((survived + 1)) ;;
    *) echo "ERROR    $label (no test program $targets)"; errors=$((errors + 1)) ;;
  esac
done 3<"$list" </dev/null
rm -f "$log"
[ "$errors" -eq 0 ] || echo "$errors entries could not be tried"
echo "$caught caught, $survived survived"
[ "$errors" -eq 0 ] && [ "$survived" -eq 0 ]
