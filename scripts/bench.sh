#!/usr/bin/env bash
# The benchmarks: sets the machine up, builds the optimised `bench` preset,
# runs every benchmark program and prints one table of medians.
#
#   DOVUV32_BENCH_SCALE=0.05 scripts/bench.sh   # smaller inputs, a quick run
#   DOVUV32_BENCH_REPETITIONS=3                 # repetitions per figure (5)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh
mkdir -p build
log=build/bench-build.log
if ! { cmake --preset bench && cmake --build --preset bench; } >"$log" 2>&1; then
  tail -n 60 "$log"
  echo "build bench failed; the whole log is $log"
  exit 1
fi

out=build/bench/results
rm -rf "$out"
mkdir -p "$out"
reps=${DOVUV32_BENCH_REPETITIONS:-5}
for prog in TagFileBench TxtFileBench MemoryBench; do
  echo "== $prog (${reps} repetitions, scale ${DOVUV32_BENCH_SCALE:-1})"
  if ! build/bench/bin/$prog --benchmark_repetitions="$reps" \
      --benchmark_report_aggregates_only=true \
      --benchmark_out="$out/$prog.csv" --benchmark_out_format=csv \
      >"$out/$prog.log" 2>&1; then
    cat "$out/$prog.log"
    echo "$prog failed"
    exit 1
  fi
done

# The window side's benchmarks are Windows programs, run under Wine (their
# own harness writes the same CSV columns).
wlog=build/bench-win32-build.log
if ! { cmake --preset win32 && cmake --build --preset win32 --target XMLTreeBench HookBench; } \
    >"$wlog" 2>&1; then
  tail -n 60 "$wlog"
  echo "build win32 benchmarks failed; the whole log is $wlog"
  exit 1
fi
unset DISPLAY
source scripts/wine-env.sh
wine_env_up
for prog in XMLTreeBench HookBench; do
  echo "== $prog under Wine (${reps} repetitions, scale ${DOVUV32_BENCH_SCALE:-1})"
  if ! cmake/wine-run build/win32/bin/$prog.exe "$out/$prog.csv" >"$out/$prog.log" 2>&1; then
    cat "$out/$prog.log"
    echo "$prog failed"
    exit 1
  fi
done

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
echo
echo "Measured on $cpu, $(nproc) cores, $(uname -sr); scale ${DOVUV32_BENCH_SCALE:-1}, median of $reps runs."
echo "Workloads 5 and 6 are Windows programs run under Wine (through qemu on this host)."
echo "Times are wall-clock; workload 7 is peak resident memory above the process's baseline."
echo "ratio = anchor / ours: above 1 means ours is faster (or leaner); against a limit it is how close we come."
echo
# Google Benchmark's CSV: one median line per contender, named
# "<workload>/<contender>[/...]_median"; failed runs carry their error.
cat "$out"/TagFileBench.csv "$out"/TxtFileBench.csv "$out"/MemoryBench.csv \
    "$out"/XMLTreeBench.csv "$out"/HookBench.csv | awk '
  function cell(s) { gsub(/^"|"$/, "", s); return s }
  function label(s) { sub(/^[0-9]+_/, "", s); gsub(/_/, " ", s); return s }
  /^name,/ {
    for (i = 1; i <= NF; i++) col[cell($i)] = i
    next
  }
  !("name" in col) || !/^"/ { next }
  {
    name = cell($col["name"])
    err = cell($col["error_occurred"]) == "true"
    if (!err && name !~ /_median$/) next
    sub(/_median$/, "", name)
    split(name, part, "/")
    w = part[1]; who = part[2]
    if (!(w in seen)) { seen[w] = 1; order[++nw] = w }
    if (err) fig = "FAILED: " cell($col["error_message"])
    else if (w ~ /^7_/) {
      val = $col["rss_mib"] + 0; fig = sprintf("%.1f MiB", val)
      size[w] = sprintf("%.0f MiB", $col["file_mib"])
    } else {
      val = $col["real_time"] + 0; fig = sprintf("%.1f %s", val, $col["time_unit"])
      bps = $col["bytes_per_second"] + 0
      secs = val / (($col["time_unit"] == "ms") ? 1000 : 1e9)
      ips = $col["items_per_second"] + 0
      if (bps > 0) size[w] = sprintf("%.1f MB", bps * secs / 1e6)
      else if (ips > 0) size[w] = sprintf("%.0f items", ips * secs)
    }
    if (who ~ /^ours/) { ours[w] = label(who); ourfig[w] = fig; ourval[w] = err ? -1 : val }
    else { n[w]++; anchor[w, n[w]] = label(who); anchorfig[w, n[w]] = fig; anchorval[w, n[w]] = err ? -1 : val }
  }
  END {
    printf "| %-36s | %-24s | %-12s | %-36s | %-14s | %-6s |\n", "workload", "ours", "our figure", "anchor", "anchor figure", "ratio"
    printf "|%s|%s|%s|%s|%s|%s|\n", "--------------------------------------", "--------------------------", "--------------", "--------------------------------------", "----------------", "--------"
    for (k = 1; k <= nw; k++) {
      w = order[k]
      for (j = 1; j <= n[w]; j++) {
        a = anchorval[w, j]; o = ourval[w]
        ratio = (a > 0 && o > 0) ? sprintf("%.2f", a / o) : "n/a"
        printf "| %-36s | %-24s | %-12s | %-36s | %-14s | %-6s |\n", label(w) " (" size[w] ")", ours[w], ourfig[w], anchor[w, j], anchorfig[w, j], ratio
      }
    }
  }' FS=,
