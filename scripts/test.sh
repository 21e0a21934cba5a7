#!/usr/bin/env bash
# The full test run: sets the machine up, builds both presets with warnings as
# errors, and runs every test, native and under Wine.
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
exit $status
