#!/usr/bin/env bash
# The full test run: sets the machine up, builds the native, 32-bit and
# 64-bit Windows presets, 8-bit and Unicode, with warnings as errors, and
# runs every test, native and under Wine; then the sanitized native tests
# (preset asan) and a short run of every fuzz target (scripts/fuzz.sh). Each
# stage's time is printed as it ends and once more at the close.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

times=()
# timed NAME COMMAND...: runs the command and notes how long it took.
timed() {
  local start=$SECONDS rc=0
  "${@:2}" || rc=$?
  times+=("$(printf '%-20s %5d s' "$1" $((SECONDS - start)))")
  echo "== $1 took $((SECONDS - start)) s"
  return $rc
}

# Warnings are errors, so a build that succeeds has none.
build() {
  local log=build/$1-build.log
  mkdir -p build
  if ! { cmake --preset "$1" && cmake --build --preset "$1"; } >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "build $1 failed; the whole log is $log"
    return 1
  fi
}

# A Windows preset's tests start from the prefix and server of its target,
# which the Unicode presets share with the 8-bit ones.
run_tests() {
  [ "$1" = native ] || { wine_select "${1%-unicode}" && wine_env_up; }
  ctest --preset "$1"
}

timed setup bash scripts/setup.sh
source scripts/wine-env.sh
trap wine_env_down EXIT

presets=(native win32 win64 win32-unicode win64-unicode)
for preset in "${presets[@]}"; do
  echo "== build $preset"
  timed "build $preset" build "$preset" || exit 1
done

status=0
for preset in "${presets[@]}"; do
  echo "== test $preset"
  timed "test $preset" run_tests "$preset" || status=1
done

# The native tests again, built by clang with the address, undefined-behaviour
# and leak checks; then each fuzz target briefly on its seeds. A failure here
# fails the run, after every stage has reported.
echo "== build and test asan"
timed "asan" eval 'build asan && ctest --preset asan' || status=1
echo "== fuzz smoke"
timed "fuzz smoke" bash scripts/fuzz.sh smoke || status=1

echo "== stage times"
printf '%s\n' "${times[@]}"
exit $status
