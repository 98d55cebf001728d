#!/usr/bin/env bash
# End to end under Wine: the real ostrevin.exe, copied to a folder of its own
# beside a prepared settings file, starts in the notification area; a click on
# its icon shows the timer window; "Выход" in the icon's menu ends the program,
# which writes its settings file with every key and the prepared values.
#
# Usage: tray_show_and_exit.sh <path of ostrevin.exe>
# Needs DISPLAY (scripts/test.sh sets it). With OSTREVIN_SCREENSHOTS=1 it also
# saves screenshots into build/screenshots/.
set -euo pipefail

exe=$1
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

shot() {
  [ "${OSTREVIN_SCREENSHOTS:-0}" = 1 ] || return 0
  mkdir -p "$repo_root/build/screenshots"
  import -window root "$repo_root/build/screenshots/e2e-$1.png" 2>/dev/null || true
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

program_ended() {
  ! kill -0 "$pid" 2>/dev/null
}

cp "$exe" "$work/ostrevin.exe"
ini="$work/ostrevin.INI"
printf '%s\r\n' \
  '[1]' '1=1' '3=1' \
  '[Times]' '1=8:05:00' '2=9:35:00' \
  '[4]' '7=1' \
  '[Common]' 'LessLen=400' 'IntroTime=30' 'FinishTime=60' 'ShowCurrNo=0' 'bOfferExit=0' \
  'bWarnBeforeLesson=1' 'bShowOnStartLesson=0' 'IsBlend=1' 'BlendVal=150' 'WarnVal=5' \
  '[Sounds]' 'StartStopSnd=0' 'IntroPartSnd=0' 'FinishPartSounds=1' 'CountDown=1' 'AllSndsOFF=1' \
  >"$ini"

before=$(visible_windows)
(cd "$work" && exec wine ostrevin.exe </dev/null >"$work/wine.log" 2>&1) &
pid=$!

wait_for 30 tray_window >/dev/null || fail "the notification area did not appear"
tray=$(tray_window)
read -r tx ty tw th < <(geometry "$tray")
# The program's icon is the first of the tray, a square as high as the tray.
icon_x=$((tx + th / 2))
icon_y=$((ty + th / 2))
shot 1-started
wait_for 10 bash -c '! xdotool search --onlyvisible --name "^Ostrevin$" >/dev/null 2>&1' ||
  fail "the timer window showed at start-up"

xdotool mousemove "$icon_x" "$icon_y" click 1
wait_for 20 timer_window >/dev/null || fail "a click on the tray icon did not show the timer window"
shot 2-shown

menu_before=$(visible_windows)
xdotool mousemove "$icon_x" "$icon_y" click 3
menu=
find_menu() {
  menu=$(comm -13 <(echo "$menu_before") <(visible_windows) | head -n 1)
  [ -n "$menu" ]
}
wait_for 10 find_menu || fail "a right click on the tray icon opened no menu"
shot 3-menu
read -r mx my mw mh < <(geometry "$menu")
# "Выход" is the menu's last item.
xdotool mousemove $((mx + mw / 3)) $((my + mh - 8)) click 1
wait_for 30 program_ended || fail "\"Выход\" did not end the program"
pid=
shot 4-ended

[ -f "$ini" ] || fail "no settings file after the end"
key_count() {
  awk -v want="[$1]" '
    { sub(/\r$/, "") }
    /^\[/ { inside = tolower($0) == tolower(want); next }
    inside && /=/ { n++ }
    END { print n + 0 }' "$ini"
}
value_of() {
  awk -v want="[$1]" -v key="$2" '
    { sub(/\r$/, "") }
    /^\[/ { inside = tolower($0) == tolower(want); next }
    inside && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }' "$ini"
}
expect_keys() {
  local got
  got=$(key_count "$1")
  [ "$got" = "$2" ] || fail "section [$1] has $got keys, not $2"
}
expect_value() {
  local got
  got=$(value_of "$1" "$2")
  [ "$got" = "$3" ] || fail "[$1] $2 is \"$got\", not \"$3\""
}

for section in 1 2 3 4 5 Times; do expect_keys "$section" 7; done
expect_keys Common 10
expect_keys Sounds 5
expect_value 1 1 1
expect_value 1 2 0
expect_value 1 3 1
expect_value 4 7 1
expect_value 5 1 0
for pair in LessLen=400 IntroTime=30 FinishTime=60 ShowCurrNo=0 bOfferExit=0 bWarnBeforeLesson=1 \
  bShowOnStartLesson=0 IsBlend=1 BlendVal=150 WarnVal=5; do
  expect_value Common "${pair%%=*}" "${pair#*=}"
done
for pair in StartStopSnd=0 IntroPartSnd=0 FinishPartSounds=1 CountDown=1 AllSndsOFF=1; do
  expect_value Sounds "${pair%%=*}" "${pair#*=}"
done
# Written in the user's regional time format: the hour may lose its leading
# zero or gain a designator, the minutes stay.
[[ "$(value_of Times 1)" =~ (^|[^0-9])0?8:05:00 ]] || fail "[Times] 1 is \"$(value_of Times 1)\", not 8:05"
[[ "$(value_of Times 2)" =~ (^|[^0-9])0?9:35:00 ]] || fail "[Times] 2 is \"$(value_of Times 2)\", not 9:35"

echo "PASS: shown from the tray, ended by its menu, settings file written with every key"
