#!/usr/bin/env bash
# End to end under Wine: the real ostrevin.exe on a six-day week, with a
# Saturday schedule of six 40-minute lessons, the teacher's lesson 3 among
# them. Wine's clock cannot be set, so the schedule is rung around the time
# the test runs: lesson 3 begins at the next minute, and today is mapped to
# the Saturday schedule as Saturday is (on a Saturday, today is Saturday).
# Before that minute the window stays hidden and the number icon shows the
# break; on the minute the lesson begins (the window shows) and the icon shows
# "3". The ticks of the lesson are then handed to the program at once: after
# 76 (38 minutes) the pie is red in the final part, after 80 (the lesson's
# own 40 minutes, not the 45 of the length field) the pie is empty.
#
# Usage: saturday_schedule.sh <path of ostrevin.exe> <path of e2e_probe.exe>
# Exits 77 (skipped) when the day has no room for the schedule around now:
# lesson 3 must begin between 01:40 and 20:49.
exe=$1
probe=$2
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
shot_prefix=e2e-saturday

lesson3=$(next_lesson_minute)
if [ "$lesson3" -lt 100 ] || [ "$lesson3" -gt 1249 ]; then
  echo "skipped: lesson 3 at $(clock_text "$lesson3") leaves no room for the day's six lessons"
  exit 77
fi
today=$(LC_ALL=C date +%A)
# Six lessons of 40 minutes with breaks of 10; lesson 3 starts at lesson3.
lesson_times() {
  local number start
  for number in 1 2 3 4 5 6; do
    start=$((lesson3 + (number - 3) * 50))
    echo "$number=$(clock_text "$start")-$(clock_text $((start + 40)))"
  done
}
write_unicode_settings \
  '[Common]' 'LessLen=450' 'bOfferExit=0' 'ShowCurrNo=1' 'bShowOnStartLesson=1' 'IsBlend=0' \
  '[Sounds]' 'AllSndsOFF=1' \
  '[Week]' 'Saturday=Суббота' 'SaturdayLessons=3' "$today=Суббота" "${today}Lessons=3" \
  '[Schedule1]' 'Name=Основное' '1=08:30-09:15' '2=09:25-10:10' \
  '[Schedule2]' 'Name=Суббота' $(lesson_times)

start_program
find_tray
wait_for 20 number_icon_shows "$mask_of_break" ||
  fail "the icon does not show the break before lesson 3: $(number_icon_mask | tr '\n' ' ')"
shot 1-break
no_timer_window || fail "the timer window showed before lesson 3"

wait_for_minute "$lesson3"
# A tick in the minute, rather than waiting up to 30 seconds for the timer's
# own; whichever comes first begins the lesson.
ticks 1
began=$(minute_now)
wait_for 75 timer_window >/dev/null || fail "lesson 3 did not begin at $(clock_text "$lesson3")"
[ "$began" -eq "$lesson3" ] && [ "$(minute_now)" -le $((lesson3 + 1)) ] ||
  fail "lesson 3 began at $(date +%H:%M:%S), not in its minute $(clock_text "$lesson3")"
wait_for 20 number_icon_shows "$mask_of_digit_3" ||
  fail "the icon does not show 3: $(number_icon_mask | tr '\n' ' ')"
shot 2-lesson-3

# The timer's own ticks may add one or two on the way: 38 minutes and more
# are still the final part, and 40 are the end.
ticks 76
[ "$(pie_colour)" = 255,0,0 ] || fail "38 minutes in, the pie is $(pie_colour), not red"
shot 3-final-part
ticks 4
is_empty_pie() { [ "$(pie_colour)" = 255,255,255 ]; }
wait_for 10 is_empty_pie || fail "after 40 minutes the pie is $(pie_colour), not empty"
shot 4-over
number_icon_shows "$mask_of_digit_3" || fail "the icon left lesson 3 before its bell"

exit_through_menu
echo "PASS: Saturday's lesson 3 began on its minute $(clock_text "$lesson3"), the icon showed 3," \
  "and the pie stopped after the lesson's own 40 minutes"
