#!/usr/bin/env bash
# Installs a build tree into a scratch prefix, builds the consumer project
# against it and runs it. Arguments: the build tree, and for a cross build
# its toolchain file.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$1
toolchain=${2:-}
prefix=$build/consumer/install
out=$build/consumer/build
rm -rf "$build/consumer"

cmake --install "$build" --prefix "$prefix" >/dev/null
cmake -S "$here" -B "$out" -DCMAKE_PREFIX_PATH="$prefix" \
  ${toolchain:+-DCMAKE_TOOLCHAIN_FILE="$toolchain"} >/dev/null
cmake --build "$out" >/dev/null

if [ -n "$toolchain" ]; then
  # A Windows program finds its DLLs beside it.
  cp "$prefix"/bin/*.dll "$out"/
  "$here/../../cmake/wine-run" "$out/consumer.exe"
  "$here/../../cmake/wine-run" "$out/tagfile_host.exe" "$(winepath -w "$out/tools.xml")"
else
  "$out/consumer"
  "$out/tagfile_host" "$out/tools.xml"
fi
