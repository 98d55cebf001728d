#!/usr/bin/env bash
# Makes the README's pictures from the real program on a virtual display: the
# timer window a few minutes into a lesson, and the tray menu beside the
# program's icon and the lesson number. Writes docs/timer-window.png and
# docs/tray-menu.png. Takes about four minutes: the lesson clock moves only on
# its real 30-second ticks.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/build-windows.sh ostrevin

source scripts/wine-env.sh
echo "Windows build: $OSTREVIN_WINDOWS_WAY."
start_wine_on_virtual_display
exe=$PWD/$OSTREVIN_WINDOWS_BUILD/src/app/ostrevin.exe
source tests/e2e/e2e_lib.sh
trap 'cleanup; end_wine_on_virtual_display' EXIT

# A desktop colour, so that the see-through parts of the window show as such.
xsetroot -solid '#3a6ea5'

# Lesson 1 began two minutes ago, so the tray shows its number.
weekday=$(date +%u)
{
  [ "$weekday" -le 5 ] && printf '%s\r\n' "[$weekday]" '1=1'
  printf '%s\r\n' '[Times]' "1=$(date -d '-2 min' +%H:%M:00)" \
    '[Common]' 'ShowCurrNo=1' 'bOfferExit=0' 'bWarnBeforeLesson=0' '[Sounds]' 'AllSndsOFF=1'
  # The lesson going on is not joined at start: the picture shows one begun
  # from the toolbar.
  printf '%s\r\n' '[Bell]' 'JoinLesson=0'
} >"$ini"

start_program
find_tray
xdotool mousemove "$icon_x" "$icon_y" click 1
wait_for 20 timer_window >/dev/null || fail "the timer window did not show"
window=$(timer_window)
read -r wx wy ww wh < <(geometry "$window")
# The toolbar's first button starts a lesson by hand.
xdotool mousemove $((wx + 20)) $((wy + 12)) click 1
# Seven ticks: three and a half minutes of the lesson on the pie and the label.
sleep 215
xdotool mousemove $((wx + ww + 40)) $((wy + wh / 2))
sleep 1

mkdir -p docs
screen="$work/screen.png"
margin=16
import -window root "$screen"
convert "$screen" -crop "$((ww + 2 * margin))x$((wh + 2 * margin))+$((wx - margin))+$((wy - margin))" \
  +repage docs/timer-window.png

# Opened from the lesson number's icon, at its foot, so that the menu leaves
# both icons in sight.
icon_x=$((icon_x + 20))
icon_y=$((tray_top + tray_height - 4))
open_tray_menu
sleep 0.5
import -window root "$screen"
right=$((mx + mw))
bottom=$((my + mh))
convert "$screen" -crop "$((right + margin - tray_left))x$((bottom + margin - tray_top))+${tray_left}+${tray_top}" \
  +repage docs/tray-menu.png
choose_exit

echo "docs/timer-window.png and docs/tray-menu.png written"
