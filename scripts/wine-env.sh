# Sourced by the scripts that run Windows programs: one prefix, one virtual
# display and one persistent wine server for a whole run.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-dovuv32}
export WINEARCH=win32
# No Mono or Gecko installers: nothing here needs .NET or a browser engine.
# No crash debugger either: a program that crashes must end with an error,
# not wait for a debugger that nobody attends.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winedbg.exe=d}
DOVUV32_DISPLAY=${DOVUV32_DISPLAY:-:93}

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
    wineserver -k >/dev/null 2>&1 || true
  fi
}

# The first start creates the prefix; later ones only start the server.
wine_env_up() {
  wine_display_up
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "wine-run: creating the Wine prefix $WINEPREFIX (once)" >&2
      wine wineboot -i >/dev/null 2>&1 || true
      wineserver -w
    fi
    # The virtual display has no window manager, so Wine manages no window:
    # it draws the frames and title bars itself (the screenshots would show
    # black bands where they belong), and hiding or destroying a shown
    # window does not wait two seconds for a manager to answer.
    if ! grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
        </dev/null >/dev/null 2>&1 || true
    fi
  ) 9>"${WINEPREFIX%/}.lock"
  # A persistent server, and Wine's own services started now with no output
  # to inherit: started by a test, they would hold its output pipe open and
  # the test runner would wait for them to end.
  wineserver -p </dev/null >/dev/null 2>&1 || true
  wine cmd /c exit 0 </dev/null >/dev/null 2>&1 || true
}

wine_env_down() {
  wineserver -k >/dev/null 2>&1 || true
  local n=${DOVUV32_DISPLAY#:}
  pkill -f "Xvfb $DOVUV32_DISPLAY " >/dev/null 2>&1 || true
  rm -f "/tmp/.X11-unix/X$n" "/tmp/.X$n-lock" 2>/dev/null || true
}
