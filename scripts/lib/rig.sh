# The Wine rig: a prefix of the build's own, a virtual display, a Chinese locale.
# Sourced by scripts/test, scripts/run and scripts/lib/wine-exec.

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

# Starts a virtual 1024 x 768 screen of our own and exports ORAVIN_DISPLAY.
rig_start_display() {
  local n
  for n in $(seq 90 130); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    RIG_PIDS+=($!)
    local tries=0
    while [ ! -e /tmp/.X11-unix/X$n ] && [ $tries -lt 100 ]; do sleep 0.1; tries=$((tries + 1)); done
    if [ -e /tmp/.X11-unix/X$n ]; then
      export ORAVIN_DISPLAY=:$n DISPLAY=:$n
      return 0
    fi
  done
  echo "rig: could not start Xvfb" >&2
  return 1
}

# Boots the prefix once, then keeps one Wine server alive for the whole run,
# so each test process starts in a fraction of a second.
rig_start_wine() {
  rig_environment
  mkdir -p "$(dirname "$WINEPREFIX")"
  if [ ! -f "$WINEPREFIX/.oravin-booted" ]; then
    "$(rig_wine)" wineboot -i >/dev/null 2>&1 || true
    "$(rig_wineserver)" -w
    touch "$WINEPREFIX/.oravin-booted"
  fi
  # The server forks itself into the background; tests may start only once
  # its socket is there, or the first of them would start a server of its own.
  "$(rig_wineserver)" -p >/dev/null 2>&1
  local server tries=0
  server="server-$(stat -c %D "$WINEPREFIX")-$(printf '%x' "$(stat -c %i "$WINEPREFIX")")"
  # Its folder is /tmp/.wine-<uid> or, on some builds, /tmp/wine-<random>.
  until compgen -G "/tmp/.wine-$(id -u)/$server/socket" >/dev/null || compgen -G "/tmp/wine-*/$server/socket" >/dev/null; do
    [ $tries -lt 100 ] || break
    sleep 0.1
    tries=$((tries + 1))
  done
  # The first Wine process starts the prefix's services, which outlive it and
  # inherit its output: started here, they cannot hold a test's pipe open.
  "$(rig_wine)" cmd /c exit </dev/null >/dev/null 2>&1 || true
}

rig_stop() {
  rig_environment
  "$(rig_wineserver)" -k >/dev/null 2>&1 || true
  local pid
  for pid in "${RIG_PIDS[@]}"; do kill "$pid" >/dev/null 2>&1 || true; done
  for pid in "${RIG_PIDS[@]}"; do wait "$pid" >/dev/null 2>&1 || true; done
  RIG_PIDS=()
}
