#!/usr/bin/env bash
# End to end under Wine: "Звонок прозвенел" in the real program's tray menu,
# 40 seconds after lesson 1's start by the computer's clock. The settings file
# holds an old bell offset of 4 minutes fast, so the program starts with the
# lesson 4 minutes in (a green wedge of about 9 % of the pie's disc, its
# outline included). The bell sets the offset to 40 s behind, saved at once,
# and the pie follows: the lesson counts from the bell, its wedge gone; the
# lesson number icon shows lesson 1. The lesson is not begun again: no start
# sound.
#
# Usage: bell_rang_from_tray.sh <path of ostrevin.exe>
# Needs DISPLAY (scripts/test.sh sets it). OSTREVIN_SCREENSHOTS=1 keeps
# screenshots in build/screenshots/.
exe=$1
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
shot_prefix=e2e-bell

prepare_school_day
wait_away_from_midnight 10
# Lesson 1 begins by the computer's clock at the start of this minute.
wait_for_second_of_minute 1 8
start_second=$(date +%s)
start_second=$((start_second - start_second % 60))
write_settings "[$school_weekday]" '1=1' '[Times]' "1=$(date -d "@$start_second" +%H:%M:00)" \
  '[Common]' 'ShowCurrNo=1' 'bOfferExit=0' 'bWarnBeforeLesson=0' 'bShowOnStartLesson=1' \
  '[Sounds]' 'StartStopSnd=1' 'IntroPartSnd=1' 'AllSndsOFF=0' \
  '[Bell]' 'BellOffset=240' 'JoinLesson=1' ${school_server_line:+"$school_server_line"}

start_program_hearing
find_tray
wait_for 20 timer_window >/dev/null || fail "the timer window did not show for the lesson going on"
read_timer_window_place
pie_between() {
  local share
  share=$(pie_green_per_mille)
  [ "$share" -ge "$1" ] && [ "$share" -le "$2" ]
}
wait_for 10 pie_between 72 98 || fail "the pie is $(pie_green_per_mille)‰ green, not about 85‰ (4 minutes)"
shot 1-four-minutes

forty_seconds_in() { [ $(($(date +%s) - start_second)) -ge 40 ]; }
wait_for 60 forty_seconds_in
open_tray_menu
shot 2-menu
choose_menu_item 3
offset_saved() { [ -n "$(value_of Bell BellOffset)" ] && [ "$(value_of Bell BellOffset)" != 240 ]; }
wait_for 10 offset_saved || fail "the bell offset was not saved: \"$(value_of Bell BellOffset)\""
offset=$(value_of Bell BellOffset)
[ "$offset" -ge -46 ] && [ "$offset" -le -38 ] || fail "the bell offset is $offset, not about -40"
wait_for 10 pie_between 0 30 || fail "the pie is $(pie_green_per_mille)‰ green after the bell, not empty"
find_tray
wait_for 10 number_icon_shows "$mask_of_digit_1" ||
  fail "the number icon shows $(number_icon_mask | tr '\n' ' ') after the bell, not lesson 1"
shot 3-after-the-bell
! sounds_played | grep -qx SystemStart || fail "the lesson was begun again with its start sound"

# The toolbar's exit button ends it: the bell's balloon, a window of its own
# beside the tray, could be taken for the tray menu.
xdotool mousemove $((wx + 192)) $((wy + 12)) click 1
wait_for 30 program_ended || fail "the toolbar's exit button did not end the program"
pid=
echo "PASS: the bell 40 s after the computer's start set the offset to $offset s and emptied the pie"
