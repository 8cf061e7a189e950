#!/usr/bin/env bash
# Runs every fuzz target of a build configured with LYTSKT_FUZZ=ON for
# FUZZ_SECONDS seconds each (default 180), on a copy of its regression corpus
# (tests/fuzz/corpus/<target>/). A crash does not stop the run: each crashing
# input is kept in <build>/fuzz-crashes/<target>/ and listed at the end; new
# inputs that reach more code go to <build>/fuzz-corpus/<target>/.
# FUZZ_STRICT=1 makes the script fail when anything crashed.
set -euo pipefail
build=$(cd "${1:-build-fuzz}" && pwd)
seconds=${FUZZ_SECONDS:-180}
root=$(cd "$(dirname "$0")/.." && pwd)
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
# The file targets write every input to a file: far faster in memory.
[ -w /dev/shm ] && export TMPDIR=${TMPDIR:-/dev/shm}

for corpus in "$root"/tests/fuzz/corpus/*/; do
  target=$(basename "$corpus")
  work=$build/fuzz-corpus/$target
  crashes=$build/fuzz-crashes/$target
  rm -rf "$work" "$crashes"
  mkdir -p "$work" "$crashes"
  cp "$corpus"* "$work"/
  words=()
  case $target in
    board_file | footprint_file | csv_fields) words=(-dict="$root/tests/fuzz/document.dict") ;;
  esac
  echo "== $target: ${seconds} s, log in $build/fuzz-$target.log"
  (cd "$crashes" && "$build/tests/fuzz/${target}_fuzz" -max_total_time="$seconds" -fork=1 \
     -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 -artifact_prefix="$crashes/" \
     "${words[@]}" "$work") >"$build/fuzz-$target.log" 2>&1 || true
done

found=$(find "$build/fuzz-crashes" -type f | sort)
if [ -z "$found" ]; then
  echo "No crash."
  exit 0
fi
echo "Crashing inputs (replay one with <build>/tests/fuzz/<target>_fuzz <file>):"
echo "$found"
[ "${FUZZ_STRICT:-0}" = 1 ] && exit 1
exit 0
