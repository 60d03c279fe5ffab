# The Wine rig: a prefix of the build's own, a virtual display, a Chinese locale.
# Sourced by scripts/test, scripts/run, scripts/bench and scripts/lib/wine-exec.
#
# Runs started at the same time in one work tree share the built programs but
# nothing that a test can disturb: each has a screen of its own and a prefix,
# with its Wine server, of its own.

ORAVIN_ROOT=${ORAVIN_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
ORAVIN_BUILD=${ORAVIN_BUILD:-$ORAVIN_ROOT/build}

rig_environment() {
  export WINEPREFIX=${WINEPREFIX:-$ORAVIN_BUILD/wineprefix}
  export WINEDEBUG=-all
  export WINEARCH=win64
  # Keep Wine from offering its Mono and Gecko installers, and from copying
  # the shortcuts an installer makes into the host's menus.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  # ANSI code page 936, the one the interface is written for.
  export LANG=zh_CN.UTF-8
  if [ -n "${ORAVIN_DISPLAY:-}" ]; then export DISPLAY=$ORAVIN_DISPLAY; fi
}

rig_wine() {
  if [ -x /usr/lib/wine/wine64 ]; then echo /usr/lib/wine/wine64; else command -v wine64 || command -v wine; fi
}

rig_wineserver() {
  if [ -x /usr/lib/wine/wineserver64 ]; then echo /usr/lib/wine/wineserver64; else command -v wineserver; fi
}

RIG_PIDS=()
RIG_PREFIX=""

# Starts a virtual 1024 x 768 screen of our own and exports ORAVIN_DISPLAY.
# Xvfb takes the first display number no other server holds and says which
# once it accepts clients: two runs starting together cannot pick the same.
rig_start_display() {
  local fd number=""
  exec {fd}< <(exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
  RIG_PIDS+=($!)
  read -r -t 30 -u "$fd" number || true
  exec {fd}<&-
  if [ -z "$number" ]; then
    echo "rig: Xvfb did not start a display within 30 s" >&2
    return 1
  fi
  export ORAVIN_DISPLAY=:$number DISPLAY=:$number
}

# Takes the first of build/wineprefix, build/wineprefix-2, ... that no other
# run holds and exports it as WINEPREFIX. The lock lasts as long as this shell
# and what it starts, the prefix's Wine server among them.
rig_claim_prefix() {
  local slot=1 prefix fd
  while :; do
    prefix=$ORAVIN_BUILD/wineprefix
    [ $slot -eq 1 ] || prefix+=-$slot
    mkdir -p "$prefix"
    exec {fd}<"$prefix"
    if flock -n "$fd"; then
      export WINEPREFIX=$prefix
      RIG_PREFIX=$prefix
      return 0
    fi
    exec {fd}<&-
    slot=$((slot + 1))
  done
}

# Claims a prefix, boots it the first time, then keeps one Wine server alive
# for the whole run, so each test process starts in a fraction of a second.
rig_start_wine() {
  rig_claim_prefix
  rig_environment
  local server status=0
  server=$(rig_wineserver)
  if [ ! -f "$WINEPREFIX/.oravin-booted" ]; then
    echo "rig: making the Wine prefix $WINEPREFIX"
    "$(rig_wine)" wineboot -i >/dev/null 2>&1 || true
    "$server" -w
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "rig: wineboot did not make the Wine prefix $WINEPREFIX" >&2
      return 1
    fi
    touch "$WINEPREFIX/.oravin-booted"
  fi
  # The server forks itself into the background and returns once it accepts
  # clients. 2 says a server already runs for the prefix: one left behind by
  # a run that was killed, since no live run holds the prefix but this one.
  "$server" -p >/dev/null 2>&1 || status=$?
  if [ $status -eq 2 ]; then
    "$server" -k >/dev/null 2>&1 || true
    "$server" -w
    status=0
    "$server" -p >/dev/null 2>&1 || status=$?
  fi
  if [ $status -ne 0 ]; then
    echo "rig: the Wine server for $WINEPREFIX did not start (wineserver -p exited with $status)" >&2
    return 1
  fi
  # The first Wine process starts the prefix's services, which outlive it and
  # inherit its output: started here, they cannot hold a test's pipe open.
  if ! timeout 120 "$(rig_wine)" cmd /c exit </dev/null >/dev/null 2>&1; then
    echo "rig: Wine could not run a program in $WINEPREFIX within 120 s" >&2
    return 1
  fi
  # So does the desktop process, which the first program to want a window
  # starts: if that is a test, CTest waits for the test until the desktop
  # closes, a second after the last window program ends, which with tests
  # running one after another may be never. Started here it holds no test's
  # output, and it serves the whole run, since the starter waits on it.
  "$(rig_wine)" explorer.exe /desktop </dev/null >/dev/null 2>&1 &
  RIG_PIDS+=($!)
  # Returns once the desktop window is there.
  if ! timeout 60 "$(rig_wine)" rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1; then
    echo "rig: Wine did not make its desktop in $WINEPREFIX within 60 s" >&2
    return 1
  fi
}

rig_stop() {
  # Only the server of the prefix this run holds: another run may be using
  # the others. Waiting for it to end frees the prefix for the next run.
  if [ -n "${RIG_PREFIX:-}" ]; then
    WINEPREFIX=$RIG_PREFIX "$(rig_wineserver)" -k >/dev/null 2>&1 || true
    WINEPREFIX=$RIG_PREFIX timeout 60 "$(rig_wineserver)" -w >/dev/null 2>&1 || true
  fi
  local pid
  for pid in "${RIG_PIDS[@]}"; do kill "$pid" >/dev/null 2>&1 || true; done
  for pid in "${RIG_PIDS[@]}"; do wait "$pid" >/dev/null 2>&1 || true; done
  RIG_PIDS=()
}
