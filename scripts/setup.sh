#!/usr/bin/env bash
# Installs what building and testing dovuv32 needs on a Debian machine, and
# nothing that is already there. Safe to run any number of times.
set -Eeuo pipefail
trap 'echo "setup: failed at line $LINENO" >&2' ERR

# apt's own chatter only when something went wrong.
quietly() {
  local log
  log=$(mktemp)
  if ! "$@" >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    return 1
  fi
  rm -f "$log"
}

need_root() {
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then sudo "$@"; else
      echo "setup: '$*' needs root" >&2; exit 1
    fi
  else "$@"; fi
}

# Debian package name -> a file that tells it is installed.
declare -A probes=(
  [cmake]=/usr/bin/cmake
  [g++]=/usr/bin/g++
  [googletest]=/usr/src/googletest/CMakeLists.txt
  [libgtest-dev]=/usr/include/gtest/gtest.h
  [g++-mingw-w64-i686-posix]=/usr/bin/i686-w64-mingw32-g++-posix
  [binutils-mingw-w64-i686]=/usr/bin/i686-w64-mingw32-windres
  [wine]=/usr/bin/wine
  [wine32:i386]=/usr/lib/i386-linux-gnu/wine/i386-windows/kernel32.dll
  # The 64-bit target (preset win64): its compilers and 64-bit Wine, whose
  # loader is a native program and so needs no emulator on any host.
  [g++-mingw-w64-x86-64-posix]=/usr/bin/x86_64-w64-mingw32-g++-posix
  [binutils-mingw-w64-x86-64]=/usr/bin/x86_64-w64-mingw32-windres
  [wine64]=/usr/lib/wine/wine64
  [xvfb]=/usr/bin/Xvfb
  [xauth]=/usr/bin/xauth
  # Benchmarks (bench/, preset bench): Google Benchmark and the XML
  # libraries they measure us against.
  [libbenchmark-dev]=/usr/include/benchmark/benchmark.h
  [libpugixml-dev]=/usr/include/pugixml.hpp
  [libexpat1-dev]=/usr/include/expat.h
  [libxml2-dev]=/usr/include/libxml2/libxml/xmlreader.h
  # The sanitized run (preset asan) and the fuzz targets (preset fuzz):
  # clang, its sanitizer and libFuzzer runtimes, and the symbolizer that
  # turns their reports' addresses into source lines.
  [clang]=/usr/bin/clang++
  [libclang-rt-14-dev]=/usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a
  [llvm]=/usr/bin/llvm-symbolizer
)

missing=()
for pkg in "${!probes[@]}"; do
  [ -e "${probes[$pkg]}" ] || missing+=("$pkg")
done

# Some hosts run 64-bit user code only: the kernel refuses i386 programs, and
# with them Wine's 32-bit loader. There, qemu's user-mode emulator runs them.
# qemu before 8 spends a minute starting each Wine process (its page tables
# crawl through Wine's address-space reservations); the backported qemu 10
# starts one in under a second, so that is the one we use.
qemu=/usr/bin/qemu-i386
# The Debian archive this machine already installs from.
debian_mirror() {
  local f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*; do
    [ -f "$f" ] && cat "$f"
  done | awk '{ for (i = 1; i <= NF; i++) if ($i ~ /^https?:\/\/.*\/debian\/?$/) { print $i; exit } }' || true
}
i386_runs() { /usr/lib/wine/wine --version >/dev/null 2>&1; }
qemu_recent() { [ -x $qemu ] && [ "$($qemu --version | sed -n 's/.*version \([0-9]*\).*/\1/p')" -ge 8 ]; }
emulate_i386() {
  if ! qemu_recent; then
    local codename list mirror
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    list=/etc/apt/sources.list.d/$codename-backports.sources
    if [ ! -e "$list" ]; then
      mirror=$(debian_mirror)
      [ -n "$mirror" ] || { echo "setup: no Debian archive in the apt sources" >&2; exit 1; }
      printf '%s\n' 'Types: deb' "URIs: $mirror" "Suites: $codename-backports" \
        'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
        need_root tee "$list" >/dev/null
    fi
    quietly need_root apt-get update -qq
    quietly need_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
      --no-install-recommends -t "$codename-backports" qemu-user
  fi
  [ -e /proc/sys/fs/binfmt_misc/register ] ||
    need_root mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ] ||
    echo -1 | need_root tee /proc/sys/fs/binfmt_misc/qemu-i386 >/dev/null
  # ELF32 i386 executables and shared objects. F: the emulator is opened now,
  # so it also serves later mount namespaces.
  local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":qemu-i386:M::$magic:$mask:$qemu:F" |
    need_root tee /proc/sys/fs/binfmt_misc/register >/dev/null
  echo "setup: this kernel runs no i386 code; Wine's loader runs under $($qemu --version | head -n 1)"
}
i386_emulated() { qemu_recent && grep -qx "interpreter $qemu" /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null; }

if [ ${#missing[@]} -eq 0 ]; then
  if i386_runs && { i386_emulated || [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; }; then
    echo "setup: everything is installed"
  else
    emulate_i386
  fi
  exit 0
fi

echo "setup: installing ${missing[*]}"
if [[ " ${missing[*]} " == *" wine32:i386 "* ]] &&
   ! dpkg --print-foreign-architectures | grep -qx i386; then
  need_root dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
quietly need_root apt-get update -qq
quietly need_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
i386_runs || i386_emulated || emulate_i386
echo "setup: done"
