#!/usr/bin/env bash
# Installs a build tree into a scratch prefix, builds the consumer project
# against it and runs it; for a cross build, checks too that the other
# Windows target does not take the package, nor a host of the other
# character set. Arguments: the build tree, ON for a Unicode build, and for
# a cross build its toolchain file.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$1
unicode=$2
toolchain=${3:-}
prefix=$build/consumer/install
out=$build/consumer/build
rm -rf "$build/consumer"

cmake --install "$build" --prefix "$prefix" >/dev/null
cmake -S "$here" -B "$out" -DCMAKE_PREFIX_PATH="$prefix" -DDOVUV32_UNICODE="$unicode" \
  ${toolchain:+-DCMAKE_TOOLCHAIN_FILE="$toolchain"} >/dev/null
cmake --build "$out" >/dev/null

if [ -n "$toolchain" ]; then
  # A Windows program finds its DLLs beside it.
  cp "$prefix"/bin/*.dll "$out"/
  "$here/../../cmake/wine-run" "$out/consumer.exe"
  # The path is given as the program's own, in the prefix of its target.
  source "$here/../../scripts/wine-env.sh"
  wine_select "$(wine_arch_of "$out/tagfile_host.exe")"
  "$here/../../cmake/wine-run" "$out/tagfile_host.exe" "$("$wine" winepath -w "$out/tools.xml")"
  # The package is for one pointer size: a host built for the other one
  # must not find it, or it would link DLLs it cannot load.
  case $toolchain in
    *x86_64*) other=${toolchain/x86_64/i686} ;;
    *) other=${toolchain/i686/x86_64} ;;
  esac
  if cmake -S "$here" -B "$build/consumer/other" -DCMAKE_PREFIX_PATH="$prefix" \
       -DCMAKE_TOOLCHAIN_FILE="$other" >"$build/consumer/other.log" 2>&1 ||
     ! grep -q "not accepted" "$build/consumer/other.log"; then
    echo "FAIL a host for the other pointer size took the package ($build/consumer/other.log)"
    exit 1
  fi
  echo "ok   a host for the other pointer size finds no package"
  # Nor does a host of the other character set: its strings are not ours.
  if [ "$unicode" = ON ]; then other_set=OFF; else other_set=ON; fi
  if cmake -S "$here" -B "$build/consumer/other-set" -DCMAKE_PREFIX_PATH="$prefix" \
       -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DDOVUV32_UNICODE=$other_set \
       >"$build/consumer/other-set.log" 2>&1 ||
     ! grep -q "not accepted" "$build/consumer/other-set.log"; then
    echo "FAIL a host of the other character set took the package ($build/consumer/other-set.log)"
    exit 1
  fi
  echo "ok   a host of the other character set finds no package"
else
  "$out/consumer"
  "$out/tagfile_host" "$out/tools.xml"
fi
