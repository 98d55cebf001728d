#!/usr/bin/env bash
# End to end under Wine: the real ostrevin.exe, copied to a folder of its own
# beside a prepared settings file, starts in the notification area; a click on
# its icon shows the timer window; "Выход" in the icon's menu ends the program,
# which writes its settings file with every key and the prepared values.
#
# Usage: tray_show_and_exit.sh <path of ostrevin.exe>
# Needs DISPLAY (scripts/test.sh sets it). With OSTREVIN_SCREENSHOTS=1 it also
# saves screenshots into build/screenshots/.
exe=$1
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

write_settings \
  '[1]' '1=1' '3=1' \
  '[Times]' '1=8:05:00' '2=9:35:00' \
  '[4]' '7=1' \
  '[Common]' 'LessLen=400' 'IntroTime=30' 'FinishTime=60' 'ShowCurrNo=0' 'bOfferExit=0' \
  'bWarnBeforeLesson=1' 'bShowOnStartLesson=0' 'IsBlend=1' 'BlendVal=150' 'WarnVal=5' \
  '[Sounds]' 'StartStopSnd=0' 'IntroPartSnd=0' 'FinishPartSounds=1' 'CountDown=1' 'AllSndsOFF=1'

start_program
find_tray
shot 1-started
wait_for 10 no_timer_window || fail "the timer window showed at start-up"

xdotool mousemove "$icon_x" "$icon_y" click 1
wait_for 20 timer_window >/dev/null || fail "a click on the tray icon did not show the timer window"
shot 2-shown

open_tray_menu
shot 3-menu
choose_exit
shot 4-ended

[ -f "$ini" ] || fail "no settings file after the end"
key_count() {
  awk -v want="[$1]" '
    { sub(/\r$/, "") }
    /^\[/ { inside = tolower($0) == tolower(want); next }
    inside && /=/ { n++ }
    END { print n + 0 }' "$ini"
}
expect_keys() {
  local got
  got=$(key_count "$1")
  [ "$got" = "$2" ] || fail "section [$1] has $got keys, not $2"
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
