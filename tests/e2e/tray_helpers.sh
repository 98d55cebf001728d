# Sourced by the end-to-end scripts: the real ostrevin.exe under Wine on the
# test display, seen through X and worked with xdotool. The sourcing script
# sets `work` (a folder of its own), `pid` (the program's, once started) and
# `shot_prefix` (the name its screenshots start with).
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$repo_root/scripts/wine-env.sh"

if [ -z "${DISPLAY:-}" ]; then
  echo "FAIL: no X display (run through scripts/test.sh, which starts one)" >&2
  exit 1
fi

work=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  shot failure
  exit 1
}

# With OSTREVIN_SCREENSHOTS=1, the screen into build/screenshots/.
shot() {
  [ "${OSTREVIN_SCREENSHOTS:-0}" = 1 ] || return 0
  mkdir -p "$repo_root/build/screenshots"
  import -window root "$repo_root/build/screenshots/$shot_prefix-$1.png" 2>/dev/null || true
}

# wait_for <seconds> <command...>: polls the command until it succeeds or the
# time is up.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

# The X windows shown now, one id a line.
visible_windows() {
  xdotool search --onlyvisible --name '' 2>/dev/null | sort || true
}

# x y width height of an X window.
geometry() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '
    $1 == "X" { x = $2 } $1 == "Y" { y = $2 } $1 == "WIDTH" { w = $2 } $1 == "HEIGHT" { h = $2 }
    END { print x, y, w, h }'
}

tray_window() {
  xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | head -n 1
}

program_ended() {
  ! kill -0 "$pid" 2>/dev/null
}

# start_program <exe>: copies it into the work folder beside the settings
# file prepared there and starts it.
start_program() {
  cp "$1" "$work/ostrevin.exe"
  (cd "$work" && exec wine ostrevin.exe </dev/null >"$work/wine.log" 2>&1) &
  pid=$!
}

# Sets tray, with tray_left, tray_top and tray_height, and icon_x, icon_y, a
# point that a click reaches the first icon (the program's) at. Wine's tray
# window has its icons 20 pixels apart, the first centred 13 pixels from its
# left edge.
find_tray() {
  wait_for 30 tray_window >/dev/null || fail "the notification area did not appear"
  tray=$(tray_window)
  local width
  read -r tray_left tray_top width tray_height < <(geometry "$tray")
  icon_x=$((tray_left + tray_height / 2))
  icon_y=$((tray_top + tray_height / 2))
}

# open_tray_menu: right-clicks the program's icon and sets menu to the menu's
# window, with mx my mw mh its place and size.
open_tray_menu() {
  local before
  before=$(visible_windows)
  xdotool mousemove "$icon_x" "$icon_y" click 3
  menu=
  new_window() {
    menu=$(comm -13 <(echo "$before") <(visible_windows) | head -n 1)
    [ -n "$menu" ]
  }
  wait_for 10 new_window || fail "a right click on the tray icon opened no menu"
  read -r mx my mw mh < <(geometry "$menu")
  shot menu
}

# Chooses "Выход", the menu's last item, and waits for the program to end.
exit_through_menu() {
  open_tray_menu
  xdotool mousemove $((mx + mw / 3)) $((my + mh - 8)) click 1
  wait_for 30 program_ended || fail "\"Выход\" did not end the program"
  pid=
}

# value_of <section> <key>: the value in the settings file, as written.
value_of() {
  awk -v want="[$1]" -v key="$2" '
    { sub(/\r$/, "") }
    /^\[/ { inside = tolower($0) == tolower(want); next }
    inside && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }' "$work/ostrevin.INI"
}
