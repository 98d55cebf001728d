#!/usr/bin/env bash
# End to end under Wine: the real ostrevin.exe, started while lesson 1 of its
# settings file is going on, shows two icons in the notification area: its
# own and, 20 pixels to the right, the lesson number: a blue square in a
# white frame with a white "1". The tray menu's "Показывать номер текущего
# урока" takes the number away and writes ShowCurrNo=0 at once. With the number
# on and off, idling with its window hidden, the program has not loaded the
# common controls library.
#
# Usage: number_icon_in_tray.sh <path of ostrevin.exe>
# Needs DISPLAY (scripts/test.sh sets it). With OSTREVIN_SCREENSHOTS=1 it also
# saves screenshots into build/screenshots/, the number icon enlarged among
# them.
exe=$1
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
shot_prefix=e2e-number

# Wine's clock cannot be set: lesson 1 starts a minute before now, and lasts
# long enough for the whole script. In the first minute of a day that minute
# would be yesterday's.
while [ "$(date +%H%M)" = 0000 ]; do sleep 1; done
start=$(date -d '-1 min' +%H:%M:00)
weekday=$(date +%u)
{
  # The lesson's slot is enabled today when today has a timetable row.
  [ "$weekday" -le 5 ] && printf '%s\r\n' "[$weekday]" '1=1'
  printf '%s\r\n' '[Times]' "1=$start" \
    '[Common]' 'ShowCurrNo=1' 'bOfferExit=0' 'bWarnBeforeLesson=0' '[Sounds]' 'AllSndsOFF=1'
  # Joined at start, the lesson would bring up the timer window, whose fade
  # can take the foreground from the tray menu this test opens.
  printf '%s\r\n' '[Bell]' 'JoinLesson=0'
} >"$ini"

# Any comctl32 mapped into the program's process, version 5 or 6.
common_controls_loaded() { grep -qi 'comctl32\.dll' "/proc/$pid/maps"; }

two_icons() {
  read -r size digit frame < <(read_blue_square)
  [ "$size" = 14x14 ]
}

start_program
find_tray
wait_for 20 two_icons || fail "no blue square beside the program's icon (found: $(read_blue_square))"
read -r size digit frame < <(read_blue_square)
[ "$frame" = 1 ] || fail "the blue square has no white frame"
[ "$digit" -ge 10 ] || fail "the blue square holds no white digit ($digit white pixels)"
shot 1-started
common_controls_loaded && fail "the program idling with the number icon loaded comctl32"
if [ "${OSTREVIN_SCREENSHOTS:-0}" = 1 ]; then
  convert "$screen" -crop "24x${tray_height}+$((tray_left + 21))+${tray_top}" +repage -scale 800% \
    "$repo_root/build/screenshots/$shot_prefix-icon-enlarged.png"
fi

# The second item of the menu, below the default item.
open_tray_menu
shot menu
choose_menu_item 1
switched_off() { [ "$(value_of Common ShowCurrNo)" = 0 ]; }
wait_for 10 switched_off || fail "ShowCurrNo is \"$(value_of Common ShowCurrNo)\" after switching the number off"
no_blue_square() { [ "$(read_blue_square)" = none ]; }
wait_for 10 no_blue_square || fail "the lesson number stayed in the tray after switching it off"
program_ended && fail "the program ended when the number was switched off"
shot 2-switched-off
common_controls_loaded && fail "the program idling without the number icon loaded comctl32"

exit_through_menu
[ "$(value_of Common ShowCurrNo)" = 0 ] || fail "ShowCurrNo is not 0 after the end"
echo "PASS: two icons, the lesson number a blue square with a white frame and a white digit," \
  "taken away by the menu, which saved ShowCurrNo=0 at once; no common controls loaded at idle"
