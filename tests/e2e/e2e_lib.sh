# Sourced by the end-to-end scripts: the project's Wine, the real program in a
# folder of its own, and the windows of the test display seen through xdotool.
# The caller sets `exe` (the built ostrevin.exe) and, where it needs it,
# `helper` (the e2e helper: ticks and the clipboard) before sourcing.
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$repo_root/scripts/wine-env.sh"
source "$repo_root/tests/support/shell_helpers.sh"

if [ -z "${DISPLAY:-}" ]; then
  echo "FAIL: no X display (run through scripts/test.sh, which starts one)" >&2
  exit 1
fi

work=$(mktemp -d)
ini="$work/ostrevin.INI"
pid=
shot_prefix=e2e

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

# shot <name>: with OSTREVIN_SCREENSHOTS=1, the whole screen into build/screenshots/.
shot() {
  [ "${OSTREVIN_SCREENSHOTS:-0}" = 1 ] || return 0
  mkdir -p "$repo_root/build/screenshots"
  import -window root "$repo_root/build/screenshots/$shot_prefix-$1.png" 2>/dev/null || true
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

# The timer window: "Ostrevin", 225 x 299 (the application's own window of
# the same name has no size).
timer_window() {
  local window
  for window in $(xdotool search --onlyvisible --name '^Ostrevin$' 2>/dev/null); do
    read -r _ _ w h < <(geometry "$window")
    if [ "$w" = 225 ] && [ "$h" = 299 ]; then
      echo "$window"
      return 0
    fi
  done
  return 1
}

no_timer_window() {
  ! xdotool search --onlyvisible --name '^Ostrevin$' >/dev/null 2>&1
}

program_ended() {
  ! kill -0 "$pid" 2>/dev/null
}

# write_settings <line...>: the settings file beside the program, CRLF lines.
write_settings() {
  printf '%s\r\n' "$@" >"$ini"
}

# write_unicode_settings <line...>: the settings file in UTF-16 with its
# byte-order mark, which the profile functions keep, so that Cyrillic schedule
# names survive whatever the system's code page.
write_unicode_settings() {
  { printf '\xFF\xFE'; printf '%s\r\n' "$@" | iconv -f UTF-8 -t UTF-16LE; } >"$ini"
}

# unicode_value_of <section> <key>: a value of the UTF-16 settings file.
unicode_value_of() {
  local text="$work/ini-utf8.txt"
  iconv -f UTF-16 -t UTF-8 "$ini" >"$text"
  ini_value_in "$text" "$1" "$2"
}

# ticks <count>: that many ticks of the program's timer, handed to it at once.
ticks() {
  wine "$helper" ticks "$1" </dev/null >/dev/null 2>>"$work/wine.log" ||
    fail "the program's timer window did not take $1 ticks"
}

# start_program: the program, copied into the work folder, started there in the
# background; its process id in `pid`.
start_program() {
  cp "$exe" "$work/ostrevin.exe"
  (cd "$work" && exec wine ostrevin.exe </dev/null >>"$work/wine.log" 2>&1) &
  pid=$!
}

# find_tray: waits for the notification area and sets tray_left, tray_top,
# tray_height and icon_x, icon_y, a point where a click reaches the first
# icon (the program's). Wine's tray has its icons 20 pixels apart, each a
# square as high as the tray.
find_tray() {
  wait_for 30 tray_window >/dev/null || fail "the notification area did not appear"
  local width
  read -r tray_left tray_top width tray_height < <(geometry "$(tray_window)")
  icon_x=$((tray_left + tray_height / 2))
  icon_y=$((tray_top + tray_height / 2))
}

# open_tray_menu: a right click on the program's icon; sets menu to the menu's
# window, with mx my mw mh its place and size. The icon's tooltip may show up
# too, as a window of its own: the menu is the new window tall enough for its
# five items.
open_tray_menu() {
  local before
  before=$(visible_windows)
  xdotool mousemove "$icon_x" "$icon_y" click 3
  menu=
  new_menu() {
    local window _x _y _w h
    for window in $(comm -13 <(echo "$before") <(visible_windows)); do
      read -r _x _y _w h < <(geometry "$window")
      if [ "$h" -ge 60 ]; then
        menu=$window
        return 0
      fi
    done
    return 1
  }
  wait_for 10 new_menu || fail "a right click on the tray icon opened no menu"
  read -r mx my mw mh < <(geometry "$menu")
}

# choose_exit: "Выход", the last item of the open menu; waits for the end.
choose_exit() {
  xdotool mousemove $((mx + mw / 3)) $((my + mh - 8)) click 1
  wait_for 30 program_ended || fail "\"Выход\" did not end the program"
  pid=
}

exit_through_menu() {
  open_tray_menu
  choose_exit
}

# value_of <section> <key>: the value in the settings file ("" when absent).
value_of() {
  ini_value_in "$ini" "$1" "$2"
}

expect_value() {
  local got
  got=$(value_of "$1" "$2")
  [ "$got" = "$3" ] || fail "[$1] $2 is \"$got\", not \"$3\""
}
