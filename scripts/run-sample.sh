#!/usr/bin/env bash
# The main job: builds the library for Windows and runs the sample host under
# Wine on the virtual display: it plays the sample dialog and the other
# dialogs step by step, then works on real files in a scratch folder,
# printing what it does. Screenshots of the key steps go to build/walkthrough.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh
source scripts/wine-env.sh
trap wine_env_down EXIT

mkdir -p build
log=build/win32-build.log
if ! { cmake --preset win32 && cmake --build --preset win32 --target sample_host; } >"$log" 2>&1; then
  tail -n 60 "$log"
  echo "build failed; the whole log is $log"
  exit 1
fi

work=$(mktemp -d)
shots=$PWD/build/walkthrough
rm -rf "$shots" && mkdir -p "$shots"
wine_env_up
status=0
cmake/wine-run build/win32/bin/sample_host.exe "$(winepath -w "$work" 2>/dev/null)" \
  "$(winepath -w "$shots" 2>/dev/null)" || status=$?
rm -rf "$work"
echo "screenshots: $shots"
exit $status
