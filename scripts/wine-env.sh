# Sourced by the scripts that run Ostrevin or its tests under Wine.
# Wine lives in a prefix of the project's own (never the user's ~/.wine),
# made once, quietly, and reused: a 32-bit one for the released exe, or a
# 64-bit one where the machine runs no 32-bit program (windows-target.sh).
source "$(dirname "${BASH_SOURCE[0]}")/windows-target.sh"

if [ "$OSTREVIN_WINDOWS_ARCH" = x86_64 ]; then
  export WINEPREFIX="${OSTREVIN_WINEPREFIX:-$repo_root/build/wineprefix64}"
  export WINEARCH=win64
  export WINELOADER=/usr/lib/wine/wine64
  case ":$PATH:" in
    *":$repo_root/scripts/wine64:"*) ;;
    *) export PATH="$repo_root/scripts/wine64:$PATH" ;;
  esac
else
  export WINEPREFIX="${OSTREVIN_WINEPREFIX:-$repo_root/build/wineprefix}"
  export WINEARCH=win32
fi
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono/Gecko installer prompts, no desktop entries written by winemenubuilder.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

ensure_wine_prefix() {
  if [ -f "$WINEPREFIX/system.reg" ] && [ -f "$WINEPREFIX/.ostrevin-ready" ]; then
    return 0
  fi
  echo "wine: creating the project's prefix in $WINEPREFIX" >&2
  mkdir -p "$WINEPREFIX"
  DISPLAY= wineboot -i </dev/null >/dev/null 2>&1
  # No sound device: keeps ALSA/Pulse noise out of every run.
  wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d '' /f </dev/null >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.ostrevin-ready"
}

# On a virtual display there is no window manager, and Wine would wait two
# seconds for one at every hide of a managed window: there, Wine's windows are
# left unmanaged. On a real desktop the window manager manages them as usual.
set_window_management() {
  local managed=Y
  [ "${DISPLAY_KIND:-}" != "${DISPLAY_KIND#a virtual display}" ] && managed=N
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f </dev/null >/dev/null 2>&1
}

# A persistent wineserver with Wine's helper services already running makes
# each test process start in a few tens of milliseconds, and keeps the
# services from holding ctest's output pipes open.
start_wine_services() {
  # A server left from an earlier Wine call would refuse the persistent one.
  wineserver -k 2>/dev/null || true
  wineserver -w
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  if [ -n "${DISPLAY:-}" ]; then
    wine rundll32.exe </dev/null >/dev/null 2>&1 || true
  fi
}

stop_wine_services() {
  wineserver -k 2>/dev/null || true
}

# Wine ready to show windows on a virtual display of its own: the display, the
# project's prefix, window management for a display without a window manager,
# and the persistent server with its services. The server and the display end
# with the caller's shell; a caller that sets its own EXIT trap calls
# end_wine_on_virtual_display from it.
start_wine_on_virtual_display() {
  source "$repo_root/scripts/display.sh"
  OSTREVIN_VIRTUAL_DISPLAY=1 ensure_display
  echo "wine runs on $DISPLAY_KIND"
  ensure_wine_prefix
  set_window_management
  start_wine_services
  trap end_wine_on_virtual_display EXIT
}

end_wine_on_virtual_display() {
  stop_wine_services
  kill "$XVFB_PID" 2>/dev/null || true
}
