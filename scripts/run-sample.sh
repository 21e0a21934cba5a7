#!/usr/bin/env bash
# The main job: builds the library for Windows and runs the sample host under
# Wine on the virtual display: it plays the sample dialog and the other
# dialogs step by step, then works on real files in a scratch folder,
# printing what it does. Screenshots of the key steps go to build/walkthrough.
#
# The 32-bit build by default; `--x64` (or DOVUV32_X64=1) plays the same
# walkthrough on the 64-bit build (preset win64), its screenshots in
# build/walkthrough-x64. `--unicode` (or DOVUV32_UNICODE=1) plays it on the
# Unicode build of either (presets win32-unicode, win64-unicode), its
# screenshots in build/walkthrough-unicode or build/walkthrough-x64-unicode.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

x64=${DOVUV32_X64:-0}
unicode=${DOVUV32_UNICODE:-0}
for arg in "$@"; do
  case $arg in
    --x64) x64=1 ;;
    --unicode) unicode=1 ;;
    *) echo "usage: $0 [--x64] [--unicode]" >&2; exit 2 ;;
  esac
done
if [ "$x64" = 1 ]; then
  preset=win64 arch=win64 shots=$PWD/build/walkthrough-x64
else
  preset=win32 arch=win32 shots=$PWD/build/walkthrough
fi
if [ "$unicode" = 1 ]; then
  preset=$preset-unicode shots=$shots-unicode
fi

bash scripts/setup.sh
source scripts/wine-env.sh
wine_select $arch
trap wine_env_down EXIT

mkdir -p build
log=build/$preset-build.log
if ! { cmake --preset $preset && cmake --build --preset $preset --target sample_host; } >"$log" 2>&1; then
  tail -n 60 "$log"
  echo "build failed; the whole log is $log"
  exit 1
fi

work=$(mktemp -d)
rm -rf "$shots" && mkdir -p "$shots"
wine_env_up
status=0
cmake/wine-run build/$preset/bin/sample_host.exe "$("$wine" winepath -w "$work" 2>/dev/null)" \
  "$("$wine" winepath -w "$shots" 2>/dev/null)" || status=$?
rm -rf "$work"
echo "screenshots: $shots"
exit $status
