#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz) and runs them one after the
# other, each on its seed corpus fuzz/corpus/<target>:
#
#   scripts/fuzz.sh              replays the seeds only (a regression check)
#   scripts/fuzz.sh smoke        fuzzes each target for 15 seconds
#   scripts/fuzz.sh long [runs]  fuzzes each target for runs executions
#                                (default 10,000,000)
#
# Inputs that reach new code are kept in build/fuzz/found/<target>, never in
# the committed corpus; an input that fails a check or trips a sanitizer is
# written to build/fuzz/crashes/. Each target prints one line: executions,
# executions per second and the result. The exit status is 1 when any failed.
# FUZZ_BUILD_DIR puts the build somewhere else than build/fuzz.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo=$(pwd)

mode=${1:-replay}
case $mode in
  replay) limit=(-runs=0) ;;
  smoke) limit=(-max_total_time=15) ;;
  long) limit=(-runs="${2:-10000000}") ;;
  *) echo "usage: $0 [smoke | long [runs]]" >&2; exit 2 ;;
esac

out=${FUZZ_BUILD_DIR:-$repo/build/fuzz}
mkdir -p "$out"
if ! { cmake -S . --preset fuzz -B "$out" && cmake --build "$out" --parallel 2; } \
  >"$out/build.log" 2>&1; then
  tail -n 40 "$out/build.log"
  echo "fuzz: build failed; the whole log is $out/build.log"
  exit 1
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0
for target in numeric_fuzz paths_fuzz txtfile_fuzz tagfile_fuzz; do
  found=$out/found/$target
  log=$out/logs/$target.log
  mkdir -p "$found" "$out/crashes" "$out/logs"
  # New inputs go to the first folder; the committed seeds are only read.
  # Paths are absolute: a target may change its current folder.
  if "$out/bin/$target" "${limit[@]}" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$out/crashes/$target-" \
       "$found" "$repo/fuzz/corpus/$target" >"$log" 2>&1; then
    result=ok
  else
    result="FAILED (log $log, input in $out/crashes)"
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  printf '%-14s %12s executions %8s exec/s  %s\n' "$target" "${runs:-?}" "${speed:-?}" "$result"
  [ "$result" = ok ] || grep -E 'check failed|ERROR|runtime error|SUMMARY' "$log" | head -n 5
done
exit $status
