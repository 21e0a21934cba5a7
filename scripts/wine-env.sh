# Sourced by the scripts that run Windows programs: one prefix per target,
# one virtual display and one persistent wine server per prefix for a whole
# run.
export WINEDEBUG=${WINEDEBUG:--all}
# A 32-bit prefix runs no 64-bit program, and the 32-bit target keeps the
# plain 32-bit prefix it is tested in, so each target has its own. The 64-bit
# prefix lies beside the 32-bit one unless it is named; both are fixed at the
# first sourcing, so that the scripts and programs started below see the
# same two.
export DOVUV32_WINEPREFIX32=${DOVUV32_WINEPREFIX32:-${WINEPREFIX:-$HOME/.wine-dovuv32}}
export DOVUV32_WINEPREFIX64=${DOVUV32_WINEPREFIX64:-${DOVUV32_WINEPREFIX32%/}-win64}
# No Mono or Gecko installers: nothing here needs .NET or a browser engine.
# No crash debugger either: a program that crashes must end with an error,
# not wait for a debugger that nobody attends.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winedbg.exe=d}
DOVUV32_DISPLAY=${DOVUV32_DISPLAY:-:93}

# wine_select win32|win64: the prefix and the loader ($wine) of one target.
# Debian's `wine` prefers the 32-bit loader, which on some hosts runs under
# an emulator, so 64-bit programs start through the 64-bit loader directly.
wine_select() {
  export WINEARCH=$1
  if [ "$1" = win64 ]; then
    export WINEPREFIX=$DOVUV32_WINEPREFIX64
    wine=/usr/lib/wine/wine64
    [ -x "$wine" ] || wine=wine64
  else
    export WINEPREFIX=$DOVUV32_WINEPREFIX32
    wine=wine
  fi
}
# The 32-bit target unless the caller chose (DOVUV32_WINEARCH=win64).
wine_select "${DOVUV32_WINEARCH:-win32}"

# wine_arch_of program: win64 for an x64 PE image, win32 for any other.
wine_arch_of() {
  local pe machine
  pe=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
  machine=$(od -An -tx2 -j$((${pe:-0} + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')
  if [ "$machine" = 8664 ]; then echo win64; else echo win32; fi
}

# Stops the wine servers of both prefixes, where one runs.
wine_servers_down() {
  local prefix
  for prefix in "$DOVUV32_WINEPREFIX32" "$DOVUV32_WINEPREFIX64"; do
    [ ! -d "$prefix" ] || WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
  done
}

# Without an X display Wine creates no windows at all, and says nothing. A
# display given by the caller is used as it is; otherwise ours is started
# unless it already runs.
wine_display_up() {
  [ -z "${DISPLAY:-}" ] || return 0
  export DISPLAY=$DOVUV32_DISPLAY
  local n=${DISPLAY#:}
  if ! pgrep -f "^Xvfb $DISPLAY " >/dev/null; then
    rm -f "/tmp/.X11-unix/X$n" "/tmp/.X$n-lock"
    (Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &)
    for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    # A server left from an earlier display would create no windows at all.
    wine_servers_down
  fi
}

# The first start creates the selected target's prefix; later ones only
# start its server.
wine_env_up() {
  wine_display_up
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "wine-run: creating the $WINEARCH Wine prefix $WINEPREFIX (once)" >&2
      "$wine" wineboot -i >/dev/null 2>&1 || true
      wineserver -w
    fi
    # The virtual display has no window manager, so Wine manages no window:
    # it draws the frames and title bars itself (the screenshots would show
    # black bands where they belong), and hiding or destroying a shown
    # window does not wait two seconds for a manager to answer.
    if ! grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
      "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
        </dev/null >/dev/null 2>&1 || true
    fi
  ) 9>"${WINEPREFIX%/}.lock"
  # A persistent server, and Wine's own services started now with no output
  # to inherit: started by a test, they would hold its output pipe open and
  # the test runner would wait for them to end.
  wineserver -p </dev/null >/dev/null 2>&1 || true
  "$wine" cmd /c exit 0 </dev/null >/dev/null 2>&1 || true
}

wine_env_down() {
  wine_servers_down
  local n=${DOVUV32_DISPLAY#:}
  pkill -f "Xvfb $DOVUV32_DISPLAY " >/dev/null 2>&1 || true
  rm -f "/tmp/.X11-unix/X$n" "/tmp/.X$n-lock" 2>/dev/null || true
}
