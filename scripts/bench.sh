#!/usr/bin/env bash
# The benchmarks: sets the machine up, builds the optimised `bench` preset,
# runs every benchmark program and prints one table: for every figure the
# median of the repetitions and their range, and the ratio of the medians.
#
#   DOVUV32_BENCH_SCALE=0.05 scripts/bench.sh   # smaller inputs, a quick run
#   DOVUV32_BENCH_REPETITIONS=3                 # repetitions per figure (5)
#
# Within a program the contenders' repetitions are interleaved (randomly
# for Google Benchmark, in turns under Wine), and each contender runs once
# untimed first. The ratios of the run before, when it had the same scale
# and repetitions, are kept in build/bench/results.previous, and the end of
# the output says how far each ratio moved since.
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
previous=build/bench/results.previous
scale=${DOVUV32_BENCH_SCALE:-1}
reps=${DOVUV32_BENCH_REPETITIONS:-5}
if [ -f "$out/ratios.tsv" ]; then
  rm -rf "$previous"
  mv "$out" "$previous"
fi
rm -rf "$out"
mkdir -p "$out"
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
for prog in TagFileBench TxtFileBench MemoryBench; do
  echo "== $prog (${reps} repetitions, scale $scale)"
  if ! build/bench/bin/$prog --benchmark_repetitions="$reps" \
      --benchmark_enable_random_interleaving=true \
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
  echo "== $prog under Wine (${reps} repetitions, scale $scale)"
  if ! cmake/wine-run build/win32/bin/$prog.exe "$out/$prog.csv" >"$out/$prog.log" 2>&1; then
    cat "$out/$prog.log"
    echo "$prog failed"
    exit 1
  fi
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
if grep -qx enabled /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null; then
  i386="through $(/usr/bin/qemu-i386 --version | head -n 1 | sed 's/ version / /')"
else
  i386="natively (this kernel runs i386 code)"
fi
versions=$(dpkg-query -W -f='${Package} ${Version}, ' libbenchmark-dev libpugixml-dev \
  libexpat1-dev libxml2-dev wine 2>/dev/null | sed 's/, $//')
echo
echo "Measured on $cpu, $(nproc) cores, $(uname -sr); load average $load_before before, $load_after after."
echo "Scale $scale, $reps repetitions per figure, interleaved; $versions."
echo "Workloads 5 and 6 are Windows programs run under Wine, $i386."
echo "Times are wall-clock; workload 7 is peak resident memory above the process's baseline."
echo "Figures: median [min, max] of the repetitions."
echo "ratio = anchor / ours (medians): above 1 means ours is faster (or leaner); against a limit it is how close we come."
echo
# Google Benchmark's CSV: per contender a median, a min and a max line,
# named "<workload>/<contender>[/...]_<statistic>"; failed runs carry their
# error. The ratios also go to ratios.tsv, for the next run's comparison.
cat "$out"/TagFileBench.csv "$out"/TxtFileBench.csv "$out"/MemoryBench.csv \
    "$out"/XMLTreeBench.csv "$out"/HookBench.csv | awk -v ratios="$out/ratios.tsv" \
    -v run="$scale $reps" '
  function cell(s) { gsub(/^"|"$/, "", s); return s }
  function label(s) { sub(/^[0-9]+[a-z]?_/, "", s); gsub(/_/, " ", s); return s }
  function num(v) { return sprintf(v >= 100 ? "%.0f" : v >= 10 ? "%.1f" : v >= 1 ? "%.2f" : "%.3f", v) }
  function figure(w, who) {
    if ((w, who) in failed) return "FAILED: " failed[w, who]
    return num(val[w, who, "median"]) " " unit[w] " [" num(val[w, who, "min"]) ", " num(val[w, who, "max"]) "]"
  }
  /^name,/ {
    for (i = 1; i <= NF; i++) col[cell($i)] = i
    next
  }
  !("name" in col) || !/^"/ { next }
  {
    name = cell($col["name"])
    err = cell($col["error_occurred"]) == "true"
    if (match(name, /_(median|min|max)$/)) stat = substr(name, RSTART + 1)
    else if (err) stat = ""
    else next
    sub(/_(median|min|max)$/, "", name)
    split(name, part, "/")
    w = part[1]; who = part[2]
    if (!(w in seen)) { seen[w] = 1; order[++nw] = w }
    if (!((w, who) in known)) {
      known[w, who] = 1
      if (who ~ /^ours/) ours[w, ++nours[w]] = who
      else anchor[w, ++nanchors[w]] = who
    }
    if (err) { failed[w, who] = cell($col["error_message"]); next }
    if (w ~ /^7_/) {
      val[w, who, stat] = $col["rss_mib"] + 0; unit[w] = "MiB"
      size[w] = sprintf("%.0f MiB", $col["file_mib"])
    } else {
      val[w, who, stat] = $col["real_time"] + 0; unit[w] = $col["time_unit"]
      if (stat != "median") next
      secs = $col["real_time"] / (($col["time_unit"] == "ms") ? 1000 : 1e9)
      bps = $col["bytes_per_second"] + 0; ips = $col["items_per_second"] + 0
      if (bps > 0) size[w] = sprintf("%.1f MB", bps * secs / 1e6)
      else if (ips > 0) size[w] = sprintf("%.0f items", ips * secs)
    }
  }
  # Random interleaving leaves the CSV rows in random order: workloads go by
  # their names, which begin with their numbers, anchors by name with the
  # limits last.
  function before(a, b) { return (a ~ /^limit/) == (b ~ /^limit/) ? a < b : b ~ /^limit/ }
  function sort(list, n, key,   i, j, t) {
    for (i = 2; i <= n; i++)
      for (j = i; j > 1 && before(list[key, j], list[key, j - 1]); j--) {
        t = list[key, j]; list[key, j] = list[key, j - 1]; list[key, j - 1] = t
      }
  }
  END {
    for (k = 1; k <= nw; k++) workloads["", k] = order[k]
    sort(workloads, nw, "")
    fmt = "| %-44s | %-34s | %-28s | %-34s | %-28s | %-6s |\n"
    printf fmt, "workload", "ours", "ours: median [min, max]", "anchor", "anchor: median [min, max]", "ratio"
    printf "|%s|%s|%s|%s|%s|%s|\n", "----------------------------------------------", "------------------------------------", "------------------------------", "------------------------------------", "------------------------------", "--------"
    print "# " run > ratios
    for (k = 1; k <= nw; k++) {
      w = workloads["", k]
      sort(anchor, nanchors[w], w)
      for (i = 1; i <= nours[w]; i++) {
        o = ours[w, i]
        for (j = 1; j <= nanchors[w]; j++) {
          a = anchor[w, j]
          ok = !((w, o) in failed) && !((w, a) in failed) && val[w, o, "median"] > 0 && val[w, a, "median"] > 0
          exact = ok ? val[w, a, "median"] / val[w, o, "median"] : 0
          ratio = ok ? sprintf("%.2f", exact) : "n/a"
          printf fmt, label(w) " (" size[w] ")", label(o), figure(w, o), label(a), figure(w, a), ratio
          printf "%s\t%s\t%s\t%.6g\n", label(w), label(o), label(a), exact > ratios
        }
      }
    }
  }' FS=,

# Two runs on the same machine should agree on every ratio within 15%.
if [ -f "$previous/ratios.tsv" ] && [ "$(head -n 1 "$previous/ratios.tsv")" = "$(head -n 1 "$out/ratios.tsv")" ]; then
  echo
  echo "Against the run before (same scale and repetitions): the ratios moved by"
  awk -F'\t' '
    FNR == 1 { next }
    NR == FNR { before[$1 FS $2 FS $3] = $4; next }
    ($1 FS $2 FS $3) in before && before[$1 FS $2 FS $3] > 0 && $4 > 0 {
      change = ($4 / before[$1 FS $2 FS $3] - 1) * 100
      if (change > worst || -change > worst) worst = change < 0 ? -change : change
      printf "  %-60s %7.3g -> %7.3g  %+6.1f%%%s\n", $1 ": " $3, before[$1 FS $2 FS $3], $4, change, (change > 15 || change < -15) ? "  (more than 15%)" : ""
    }
    END { printf "  the largest move: %.1f%%\n", worst }' "$previous/ratios.tsv" "$out/ratios.tsv"
fi
