#!/usr/bin/env bash
# The full test run: sets the machine up, builds both presets with warnings as
# errors, and runs every test, native and under Wine; then the sanitized native
# tests (preset asan) and a short run of every fuzz target (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh
source scripts/wine-env.sh
trap wine_env_down EXIT

# Warnings are errors, so a build that succeeds has none.
for preset in native win32; do
  echo "== build $preset"
  log=build/$preset-build.log
  mkdir -p build
  if ! { cmake --preset "$preset" && cmake --build --preset "$preset"; } >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "build $preset failed; the whole log is $log"
    exit 1
  fi
done

wine_env_up
status=0
for preset in native win32; do
  echo "== test $preset"
  ctest --preset "$preset" || status=1
done

# The native tests again, built by clang with the address, undefined-behaviour
# and leak checks; then each fuzz target briefly on its seeds. A failure here
# fails the run, after every stage has reported.
echo "== build and test asan"
log=build/asan-build.log
if { cmake --preset asan && cmake --build --preset asan; } >"$log" 2>&1; then
  ctest --preset asan || status=1
else
  tail -n 60 "$log"
  echo "build asan failed; the whole log is $log"
  status=1
fi
echo "== fuzz smoke"
bash scripts/fuzz.sh smoke || status=1
exit $status
